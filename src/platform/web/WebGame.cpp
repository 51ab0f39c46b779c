#include "WebGame.h"

#include <chrono>
#include <cmath>
#include <fstream>
#include <iterator>

#include "Page.h"
#include "PauseScreen.h"
#include "game/GameScene.h"
#include "game/World.h"
#include "shell/UpdateBridge.h"

namespace {

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The browser's monotonic clock (performance.now()), in microseconds.
std::int64_t steadyNowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

WebGame::WebGame()
    : canvas_(kWidth, kHeight),
      clock_(PausableClock::wallNowUs(), steadyNowUs()),
      rgba_(std::size_t{kWidth} * kHeight) {
  startWorld();
}

WebGame::~WebGame() = default;

// The window opens: the table comes from the browser's storage through the file the core reads.
void WebGame::startWorld() {
  world_.reset();  // one World at a time: the new one becomes the current one
  world_ = std::make_unique<World>();
  world_->rc = {0, 0, kWidth, kHeight};
  world_->input.setSource(&controls_);
  world_->setClock(scriptClock_ ? static_cast<const Clock*>(&*scriptClock_) : &clock_);
  std::error_code ignored;
  std::filesystem::remove(world_->highscoreFile, ignored);
  page::copyStoredTableTo(world_->highscoreFile.string());
  world_->start();
  recordsKept_ = world_->highscores.size();
}

bool WebGame::animationFrame(double nowMs) {
  if (finished_) return false;
  if (scriptClock_) return true;  // the test steps the frames
  controls_.sampleGamepads();
  if (controls_.backPressed()) togglePause();
  if (paused_) return true;
  const bool front = page::inFront();
  if (!front) controls_.releaseAllKeys();
  const int due = step_.stepsDue(std::llround(nowMs * 1000.0));
  if (due > 0) clock_.advanceTo(steadyNowUs());
  for (int i = 0; i < due && !finished_; ++i) runUpdate(front);
  if (due > 0 && !finished_) present();
  return !finished_;
}

void WebGame::runUpdate(bool windowfront) {
  world_->windowfront = windowfront;
  canvas_.clear();  // every frame is drawn from a black field
  update(*world_, canvas_);
  sound_.frame(*world_, canvas_);
  ++updates_;
  storeIfRecorded();
  if (world_->windowDestroyed()) finish();
}

// Every finished game is saved to the file at once by the core; the browser keeps a copy.
void WebGame::storeIfRecorded() {
  if (world_->highscores.size() == recordsKept_) return;
  recordsKept_ = world_->highscores.size();
  page::storeTableFrom(world_->highscoreFile.string());
}

void WebGame::finish() {
  world_->shutdown();
  page::storeTableFrom(world_->highscoreFile.string());
  finished_ = true;
  page::showGoodbye();
}

void WebGame::togglePause() {
  if (paused_) {
    resume();
  } else {
    pauseFight();
  }
}

void WebGame::pauseFight() {
  if (!scriptClock_ && !finished_ && !paused_ && currentScreen(*world_) == GameScreen::fight)
    pause();
}

void WebGame::pause() {
  paused_ = true;
  clock_.pause(steadyNowUs());
  drawPauseScreen(canvas_);
  present();
}

void WebGame::resume() {
  paused_ = false;
  clock_.resume(steadyNowUs());
  step_.restart();  // the paused stretch is not caught up
}

void WebGame::beginScript(std::int64_t clockStart, int startLevel, bool invincible) {
  scriptClock_.emplace(clockStart);
  finished_ = false;
  paused_ = false;
  startWorld();
  world_->invincible = invincible;
  if (startLevel >= 5) {
    world_->UB.contgame();
  } else if (startLevel >= 1) {
    world_->UB.newgame();
    while (world_->UB.get_nowlevel() < startLevel) world_->UB.nextlevel();
  }
}

int WebGame::step(int frames, bool show) {
  if (!scriptClock_) return 0;
  int run = 0;
  for (; run < frames && !finished_; ++run) {
    runUpdate(true);
    scriptClock_->setFrame(scriptClock_->frame() + 1);
  }
  if (show && run > 0) present();
  return run;
}

void WebGame::present() {
  const std::uint32_t* pixels = canvas_.pixels();
  for (std::size_t i = 0; i < rgba_.size(); ++i) {
    // 0x00RRGGBB to the bytes R, G, B, A of a little-endian word.
    const std::uint32_t p = pixels[i];
    rgba_[i] = ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16) | 0xFF000000u;
  }
  page::showFrame(reinterpret_cast<const std::uint8_t*>(rgba_.data()), kWidth, kHeight);
}

std::string WebGame::highscoresCsv() {
  world_->saveHighscores();
  return readFile(world_->highscoreFile);
}

void WebGame::loadHighscores(const std::string& csv) {
  {
    std::ofstream out(world_->highscoreFile, std::ios::binary | std::ios::trunc);
    out << csv;
  }
  world_->highscores = HighscoreTable{};
  world_->highscores.load(world_->highscoreFile);
  world_->saveHighscores();
  recordsKept_ = world_->highscores.size();
  page::storeTableFrom(world_->highscoreFile.string());
}

int WebGame::spriteCount() const {
  return world_->esl.get_count() + world_->psl.get_count() + world_->osl.get_count();
}
