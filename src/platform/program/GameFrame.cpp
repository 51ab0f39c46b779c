#include "GameFrame.h"

#include "PauseScreen.h"
#include "RasterCanvas.h"
#include "ReplayMark.h"
#include "game/GameScene.h"
#include "graphics/Canvas.h"
#include "replay/ReplayPlayer.h"
#include "shell/Session.h"
#include "sound/SoundOutput.h"

GameFrame::GameFrame(Session& session, SoundOutput* sound)
    : session_(session), world_(session.world), sound_(sound) {}

GameFrame::GameFrame(Session& session, ReplayPlayer& player, SoundOutput* sound)
    : session_(session), world_(session.world), player_(&player), sound_(sound) {}

void GameFrame::update(RasterCanvas& canvas, bool inFront) {
  canvas.clear();  // every frame is drawn from a black field
  play(canvas, inFront);
  if (player_) drawReplayMark(canvas);
  hear(canvas);
}

void GameFrame::updateOnBlack(Canvas& canvas, bool inFront) {
  play(canvas, inFront);
  hear(canvas);
}

// A replay's controls, clock and focus come from the recording.
void GameFrame::play(Canvas& canvas, bool inFront) {
  if (player_) {
    player_->beforeFrame(world_);
  } else {
    world_.windowfront = inFront;
  }
  ::update(session_, canvas);  // the frame entry: the only place a program runs it
  if (player_) player_->afterFrame(world_);
}

void GameFrame::hear(Canvas& canvas) {
  if (sound_) sound_->frame(world_.cues, canvas, world_.rc);
  if (noticeLeft_ > 0) {
    --noticeLeft_;
    canvas.text(world_.rc.left + 10, 10, notice_, kWhite);
  }
}

void GameFrame::showNotice(std::string text) {
  notice_ = std::move(text);
  noticeLeft_ = notice_.empty() ? 0 : kNoticeFrames;
}

bool GameFrame::over() const {
  return world_.windowDestroyed() || (player_ && player_->finished());
}

bool GameFrame::pausable() const { return !player_ && inFight(); }

bool GameFrame::inFight() const { return currentScreen(world_) == GameScreen::fight; }

void GameFrame::toggleSound() {
  if (sound_) sound_->toggle();
}

void GameFrame::drawPaused(RasterCanvas& canvas) { drawPauseScreen(canvas); }
