#include "WebGame.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <iterator>
#include <utility>

#include "Page.h"
#include "PageSettings.h"
#include "TableCheck.h"
#include "game/GameScene.h"
#include "player/PlayerSprite.h"
#include "replay/ReplayStore.h"
#include "shell/Session.h"

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
    : settings_(loadPageSettings()),
      canvas_(kWidth, kHeight),
      controls_(settings_.settings()),
      sound_(settings_.settings().sound.on, settings_.settings().sound.volume,
             [this](bool on) { settings_.change([on](Settings& s) { s.sound.on = on; }); }),
      clock_(PausableClock::wallNowUs(), steadyNowUs()),
      rgba_(std::size_t{kWidth} * kHeight),
      notice_(settings_.notice()) {
  page::preferWholePixels(settings_.settings().display.wholePixels);
  startWorld();
}

WebGame::~WebGame() = default;

// The window opens: the table comes from the browser's storage through the file the core reads.
void WebGame::startWorld() {
  dropWorld();  // one World at a time: the new one becomes the current one
  session_ = std::make_unique<Session>();
  frame_.emplace(*session_, &sound_.output());
  frame_->showNotice(std::exchange(notice_, {}));
  world().rc = {0, 0, kWidth, kHeight};
  world().input.setSource(&controls_);
  world().controls = &controls_.bindings();
  world().setClock(scriptClock_ ? static_cast<const Clock*>(&*scriptClock_) : &clock_);
  world().recordReplays = true;
  std::error_code ignored;
  std::filesystem::remove(world().highscoreFile, ignored);
  page::copyStoredTableTo(world().highscoreFile.string());
  world().start();
  checkStoredTable();
  recordsKept_ = world().highscores.best(HighscoreTable::kShown);
}

// Stored text the game cannot read whole is kept aside before the clean table replaces it, so no
// record the player might still want is lost to a damaged storage.
void WebGame::checkStoredTable() {
  if (!std::filesystem::exists(world().highscoreFile)) return;
  const TableCheck check = checkTable(readFile(world().highscoreFile));
  if (check.skipped() == 0) return;
  page::setStoredTableAside(check.records, check.skipped());
  world().saveHighscores();
  page::storeTableFrom(world().highscoreFile.string());
}

bool WebGame::animationFrame(double nowMs) {
  if (finished_) return false;
  if (scriptClock_) return true;  // the test steps the frames
  controls_.sampleGamepads();
  if (controls_.backPressed()) togglePause();
  if (paused_) return true;
  if (player_) {
    const int due = step_.stepsDue(std::llround(nowMs * 1000.0));
    for (int i = 0; i < due && player_; ++i) replayFrame();
    if (due > 0) present();
    return true;
  }
  const bool front = page::inFront();
  if (!front) controls_.releaseAllKeys();
  const int due = step_.stepsDue(std::llround(nowMs * 1000.0));
  if (due > 0) clock_.advanceTo(steadyNowUs());
  for (int i = 0; i < due && !finished_; ++i) runUpdate(front);
  if (due > 0 && !finished_) present();
  return !finished_;
}

// The World goes, and the frame that plays it with it.
void WebGame::dropWorld() {
  frame_.reset();
  session_.reset();
}

void WebGame::runUpdate(bool windowfront) {
  controls_.touch().beginUpdate();
  const bool recording = session_->recorder.recording();
  frame_->update(canvas_, windowfront);
  ++updates_;
  storeIfRecorded();
  if (recording && !session_->recorder.recording()) handOverReplays();
  if (world().windowDestroyed()) finish();
}

// Every finished game is saved to the file at once by the core; the browser keeps a copy.
void WebGame::storeIfRecorded() {
  // The table keeps its best ten, so a new record shows as a changed row, not as a longer table.
  std::vector<Highscore> now = world().highscores.best(HighscoreTable::kShown);
  const auto same = [](const Highscore& a, const Highscore& b) {
    return a.score == b.score && a.lives == b.lives && a.date == b.date;
  };
  if (std::equal(now.begin(), now.end(), recordsKept_.begin(), recordsKept_.end(), same)) return;
  recordsKept_ = std::move(now);
  page::storeTableFrom(world().highscoreFile.string());
}

// The recorder writes a finished game into replays/ of the module's memory files; the page keeps
// it in the browser's storage instead.
void WebGame::handOverReplays() {
  std::error_code error;
  const std::filesystem::path folder = replayFolder(world().highscoreFile);
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() == ".kvr") files.push_back(entry.path());
  }
  for (const std::filesystem::path& file : files) {
    const std::string bytes = readFile(file);
    page::keepReplay(file.filename().string(), bytes);
    std::filesystem::remove(file, error);
  }
}

std::string WebGame::playReplay(const std::string& bytes) {
  std::string error;
  std::optional<ReplayFile> replay = decodeReplay(bytes, error);
  if (!replay) return error.empty() ? "not a replay" : error;
  paused_ = false;
  scriptClock_.reset();  // a replay plays at the game's pace, and real play follows it
  dropWorld();
  player_.reset();
  session_ = std::make_unique<Session>();
  player_.emplace(std::move(*replay));
  player_->start(world());
  frame_.emplace(*session_, *player_, &sound_.output());
  step_.restart();
  return {};
}

void WebGame::replayFrame() {
  frame_->update(canvas_, true);
  ++updates_;
  if (frame_->over()) stopReplay();
}

void WebGame::stopReplay() {
  if (!player_) return;
  const bool matched = !player_->desync();
  page::replayEnded(matched, matched ? std::string() : player_->desync()->describe());
  dropWorld();
  player_.reset();
  startWorld();
}

int WebGame::screen() const {
  if (player_) return 3;
  switch (currentScreen(world())) {
    case GameScreen::title: return 0;
    case GameScreen::fight: return 1;
    default: return 2;
  }
}

int WebGame::titleSelected() const { return world().selected; }
double WebGame::shipX() const { return world().psp->get_x(); }
double WebGame::shipY() const { return world().psp->get_y(); }

int WebGame::tableRecords() const {
  int records = 0;
  for (const Highscore& h : world().highscores.best(HighscoreTable::kShown))
    records += h.score >= 0 ? 1 : 0;
  return records;
}

void WebGame::finish() {
  world().shutdown();
  page::storeTableFrom(world().highscoreFile.string());
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
  if (!scriptClock_ && !finished_ && !paused_ && frame_->inFight()) pause();
}

void WebGame::pause() {
  paused_ = true;
  clock_.pause(steadyNowUs());
  frame_->drawPaused(canvas_);
  present();
}

void WebGame::resume() {
  paused_ = false;
  clock_.resume(steadyNowUs());
  step_.restart();  // the paused stretch is not caught up
}

void WebGame::beginScript(std::int64_t clockStart, int startLevel, bool invincible) {
  dropWorld();
  player_.reset();
  scriptClock_.emplace(clockStart);
  finished_ = false;
  paused_ = false;
  startWorld();
  world().invincible = invincible;
  if (startLevel >= 1) session_->UB.startAt(startLevel);
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

void WebGame::toggleSound() { frame_->toggleSound(); }

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
  world().saveHighscores();
  return readFile(world().highscoreFile);
}

void WebGame::loadHighscores(const std::string& csv) {
  {
    std::ofstream out(world().highscoreFile, std::ios::binary | std::ios::trunc);
    out << csv;
  }
  world().highscores = HighscoreTable{};
  world().highscores.load(world().highscoreFile);
  world().saveHighscores();
  recordsKept_ = world().highscores.best(HighscoreTable::kShown);
  page::storeTableFrom(world().highscoreFile.string());
}

int WebGame::spriteCount() const {
  return world().esl.get_count() + world().psl.get_count() + world().osl.get_count();
}

int WebGame::playerShots() const { return world().psl.get_count(); }
