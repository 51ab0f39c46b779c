#pragma once

#include <string>

#include "PausableLoop.h"

class Canvas;
class RasterCanvas;
class ReplayPlayer;
class Session;
class SoundOutput;
class World;

// One frame of the game, the same in every program: the game's update drawn from a black field,
// or a recorded game's next frame with the REPLAY mark; then the frame's cues handed to the sound
// and M's notice drawn. It also carries out M and draws the paused picture. Without a sound the
// frame is silent.
class GameFrame final : public LoopGame {
 public:
  // A game played.
  GameFrame(Session& session, SoundOutput* sound);
  // A recorded game shown back: the player drives the session's World, which never pauses.
  GameFrame(Session& session, ReplayPlayer& player, SoundOutput* sound);

  void update(RasterCanvas& canvas, bool inFront) override;
  // The same update on a canvas already black that is not a RasterCanvas (the --gdi window's
  // fresh bitmap); a game only, with no replay mark.
  void updateOnBlack(Canvas& canvas, bool inFront);

  bool over() const override;
  bool pausable() const override;
  // A fight is running (the browser pauses a replay's fights too).
  bool inFight() const;
  void toggleSound() override;
  void drawPaused(RasterCanvas& canvas) override;
  // A line at the top left of the next frames, for a few seconds, drawn as M's notice is.
  void showNotice(std::string text);

  static constexpr int kNoticeFrames = 400;

 private:
  void play(Canvas& canvas, bool inFront);
  void hear(Canvas& canvas);

  Session& session_;
  World& world_;
  ReplayPlayer* player_ = nullptr;
  SoundOutput* sound_;
  std::string notice_;
  int noticeLeft_ = 0;
};
