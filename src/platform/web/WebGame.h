#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GameFrame.h"
#include "RasterCanvas.h"
#include "StoredSettings.h"
#include "WebControlSource.h"
#include "WebSound.h"
#include "game/Highscores.h"
#include "game/PlayField.h"
#include "replay/ReplayPlayer.h"
#include "shell/Session.h"
#include "timing/Clock.h"
#include "timing/FixedStep.h"
#include "timing/PausableClock.h"

// The browser program: one World, its RasterCanvas and the page's controls, run at 100 updates per
// second of wall time from the page's animation frames, the latest picture shown on the page. A
// fight can be paused: no update runs, the game's clock stands still and the picture stays, dimmed.
//
// For tests and measurements the page can switch to scripted play instead: a fresh World on a
// clock that reads start + frame / 100 seconds, stepped frame by frame on request, the window
// always in front, the keyboard as the page's key events leave it -- the same frames as
// kelvaron-sim gives for the same input, clock start and start level.
class WebGame {
 public:
  static constexpr int kWidth = kFieldWidth;
  static constexpr int kHeight = kFieldHeight;

  WebGame();
  ~WebGame();

  WebControlSource& controls() { return controls_; }
  // M: sound off or on again, remembered.
  void toggleSound();
  bool soundOn() const { return sound_.output().on(); }
  // The player's settings as stored, read when the page opened.
  const Settings& settings() const { return settings_.settings(); }

  // One displayed frame at `nowMs`; false once the game has ended ("Quit").
  bool animationFrame(double nowMs);

  // P, Escape or the gamepad's Back button: pauses a running fight, or resumes the paused game.
  // Ignored in scripted play.
  void togglePause();
  // The page was hidden, and the browser stops its frames: a running fight pauses by itself.
  void pauseFight();
  bool paused() const { return paused_; }

  // Scripted play from program start; `startLevel` 1 to 5 starts that level at once as the runner
  // does (0: the title), `invincible` makes the ship ignore hits.
  void beginScript(std::int64_t clockStart, int startLevel, bool invincible);
  // Runs up to `frames` scripted frames (fewer when "Quit" ends the game); shows the last one if
  // `show`. Returns the frames run.
  int step(int frames, bool show);
  // Shows the latest frame.
  void present();

  // Plays a replay file back in place of the game, with the REPLAY mark, at the game's pace; the
  // game starts afresh from the title afterwards. Returns why a file was refused (empty: playing).
  std::string playReplay(const std::string& bytes);
  // Ends a playback early.
  void stopReplay();
  bool replaying() const { return player_.has_value(); }

  // What the page shows, for its touch overlay: 0 the title, 1 a fight, 2 a result screen, 3 a
  // replay playing.
  int screen() const;
  int titleSelected() const;
  // The ship's position on the play field, for tests.
  double shipX() const;
  double shipY() const;

  // The table as the core writes it to highscores.csv.
  std::string highscoresCsv();
  // Replaces the table by the one in `csv`, read as highscores.csv is read, and stores it.
  void loadHighscores(const std::string& csv);
  // Real records in the table (empty slots aside).
  int tableRecords() const;

  std::int64_t updates() const { return updates_; }
  std::int64_t droppedUpdates() const { return step_.droppedSteps(); }
  // Live sprites in the three lists, and the player's shots among them.
  int spriteCount() const;
  int playerShots() const;

 private:
  void startWorld();
  void dropWorld();
  void runUpdate(bool windowfront);
  void storeIfRecorded();
  void handOverReplays();
  void checkStoredTable();
  void replayFrame();
  void finish();
  void pause();
  void resume();

  StoredSettings settings_;
  RasterCanvas canvas_;
  WebControlSource controls_;
  WebSound sound_;
  std::optional<VirtualClock> scriptClock_;
  PausableClock clock_;  // the game's clock outside scripted play
  FixedStep step_;
  std::vector<std::uint32_t> rgba_;  // the picture as the page's canvas takes it
  std::int64_t updates_ = 0;
  std::vector<Highscore> recordsKept_;  // the table as last stored
  bool finished_ = false;
  bool paused_ = false;
  std::string notice_;  // shown over the first seconds of the first game
  std::optional<ReplayPlayer> player_;
  World& world() const { return session_->world; }

  // Near the last, so it goes first: it reads the controls and the clock above.
  std::unique_ptr<Session> session_;
  std::optional<GameFrame> frame_;  // plays the session, with the sound and any replay above
};
