// The browser program: the page's animation frames drive the game, its key, focus and gamepad
// events feed the controls, the pause keys and a hidden page pause a fight; the functions below are
// what the page's scripts call (its touch overlay, highscore files and replays among them).
#include <emscripten.h>
#include <emscripten/html5.h>

#include <string>
#include <string_view>

#include "TableCheck.h"
#include "WebGame.h"
#include "settings/Settings.h"
#include "shell/TitleScene.h"

namespace {

WebGame* game = nullptr;

bool pauseKey(const EmscriptenKeyboardEvent& event) {
  return !event.repeat && game->controls().pauses(event.key, event.code);
}

bool soundKey(const EmscriptenKeyboardEvent& event) {
  const std::string_view key = event.key;
  return !event.repeat && (key == "m" || key == "M");
}

EM_BOOL onKey(int eventType, const EmscriptenKeyboardEvent* event, void*) {
  const bool down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
  // Escape always ends a replay shown, whatever the pause keys are.
  if (down && !event->repeat && game->replaying() && std::string_view(event->key) == "Escape") {
    game->stopReplay();
  } else if (down && pauseKey(*event)) {
    game->togglePause();
  }
  if (down && soundKey(*event)) game->toggleSound();
  // True keeps the browser from scrolling the page on the arrows and Space.
  return game->controls().keyChanged(event->key, event->code, down);
}

// Browsers stop a hidden page's frames; a fight does not go on unseen after that either.
EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* event, void*) {
  if (event->hidden) game->pauseFight();
  return EM_FALSE;
}

EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void*) {
  game->controls().releaseAllKeys();
  return EM_FALSE;
}

EM_BOOL onAnimationFrame(double nowMs, void*) { return game->animationFrame(nowMs); }

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void kelvaron_begin_script(double clockStart, int startLevel, int invincible) {
  game->beginScript(static_cast<std::int64_t>(clockStart), startLevel, invincible != 0);
}
EMSCRIPTEN_KEEPALIVE int kelvaron_step(int frames, int show) {
  return game->step(frames, show != 0);
}
EMSCRIPTEN_KEEPALIVE void kelvaron_present() { game->present(); }
EMSCRIPTEN_KEEPALIVE double kelvaron_updates() { return static_cast<double>(game->updates()); }
EMSCRIPTEN_KEEPALIVE double kelvaron_dropped_updates() {
  return static_cast<double>(game->droppedUpdates());
}
EMSCRIPTEN_KEEPALIVE int kelvaron_sprite_count() { return game->spriteCount(); }
EMSCRIPTEN_KEEPALIVE int kelvaron_paused() { return game->paused() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int kelvaron_sound_on() { return game->soundOn() ? 1 : 0; }

// The text stays valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kelvaron_highscores_csv() {
  static std::string csv;
  csv = game->highscoresCsv();
  return csv.c_str();
}
EMSCRIPTEN_KEEPALIVE void kelvaron_load_highscores(const char* bytes, int length) {
  game->loadHighscores(std::string(bytes, static_cast<std::size_t>(length)));
}

EMSCRIPTEN_KEEPALIVE int kelvaron_table_records() { return game->tableRecords(); }

// What loading the bytes would give: the records read, and the file's lines through `lines`.
EMSCRIPTEN_KEEPALIVE int kelvaron_check_highscores(const char* bytes, int length, int* lines) {
  const TableCheck check = checkTable(std::string(bytes, static_cast<std::size_t>(length)));
  *lines = check.lines;
  return check.records;
}

// The page's touch overlay: held buttons as a mask of 1 << control (Up, Down, Left, Right, Z, X,
// Shift, Space), finger motion in play-field pixels, and taps as short presses.
EMSCRIPTEN_KEEPALIVE void kelvaron_touch_hold(int mask) {
  game->controls().touch().setHeld(static_cast<unsigned>(mask));
}
EMSCRIPTEN_KEEPALIVE void kelvaron_touch_drag(double dx, double dy) {
  game->controls().touch().addDrag(dx, dy);
}
EMSCRIPTEN_KEEPALIVE void kelvaron_touch_press(int mask, int frames) {
  game->controls().touch().press(static_cast<unsigned>(mask), frames);
}
EMSCRIPTEN_KEEPALIVE void kelvaron_touch_clear() { game->controls().touch().clear(); }
EMSCRIPTEN_KEEPALIVE void kelvaron_toggle_pause() { game->togglePause(); }
EMSCRIPTEN_KEEPALIVE int kelvaron_screen() { return game->screen(); }
EMSCRIPTEN_KEEPALIVE int kelvaron_title_selected() { return game->titleSelected(); }
// Where the title draws the frame round menu entry `entry`, in play-field pixels, through `box`
// (left, top, right, bottom): the touch overlay hit-tests taps against it. 0: no such entry.
EMSCRIPTEN_KEEPALIVE int kelvaron_title_entry_frame(int entry, int* box) {
  if (entry < 0 || entry >= kTitleMenuEntries) return 0;
  const TitleMenuRow row = titleMenuRow(entry);
  box[0] = row.frameLeft;
  box[1] = row.frameTop;
  box[2] = row.frameRight;
  box[3] = row.frameBottom;
  return 1;
}
EMSCRIPTEN_KEEPALIVE double kelvaron_ship_x() { return game->shipX(); }
EMSCRIPTEN_KEEPALIVE double kelvaron_ship_y() { return game->shipY(); }
EMSCRIPTEN_KEEPALIVE int kelvaron_player_shots() { return game->playerShots(); }

// Returns why the file was refused, empty when it plays; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kelvaron_play_replay(const char* bytes, int length) {
  static std::string error;
  error = game->playReplay(std::string(bytes, static_cast<std::size_t>(length)));
  return error.c_str();
}
EMSCRIPTEN_KEEPALIVE void kelvaron_stop_replay() { game->stopReplay(); }
EMSCRIPTEN_KEEPALIVE int kelvaron_replaying() { return game->replaying() ? 1 : 0; }

}  // extern "C"

int main() {
  static WebGame theGame;
  game = &theGame;
  const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  emscripten_set_keydown_callback(window, nullptr, EM_FALSE, onKey);
  emscripten_set_keyup_callback(window, nullptr, EM_FALSE, onKey);
  emscripten_set_blur_callback(window, nullptr, EM_FALSE, onBlur);
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, onVisibility);
  emscripten_request_animation_frame_loop(onAnimationFrame, nullptr);
  return 0;
}
