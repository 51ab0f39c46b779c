#include "Page.h"

#include <emscripten.h>

#include <cstdlib>

#include "StorageKeys.h"

// The bodies below are JavaScript. They pass through the C preprocessor, which splits === and !==,
// so they compare with == and !=.
// clang-format off

// The picture goes through one ImageData over the module's memory, made again only when the memory
// grew (which replaces its buffer) or the picture moved.
EM_JS(void, kelvaron_show_frame, (const std::uint8_t* rgba, int width, int height), {
  const screen = Module.screen || (Module.screen = {});
  if (!screen.context) screen.context = document.getElementById('screen').getContext('2d');
  if (!screen.image || screen.image.data.buffer != HEAPU8.buffer ||
      screen.image.data.byteOffset != rgba) {
    screen.image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4),
                                 width, height);
  }
  screen.context.putImageData(screen.image, 0, 0);
  screen.framesShown = (screen.framesShown || 0) + 1;
  if (screen.firstFrameAt == undefined) screen.firstFrameAt = performance.now();
});

EM_JS(int, kelvaron_page_in_front, (), {
  return document.visibilityState == 'visible' && document.hasFocus() ? 1 : 0;
});

EM_JS(void, kelvaron_show_goodbye, (), {
  document.getElementById('screen').hidden = true;
  document.getElementById('goodbye').hidden = false;
});

EM_JS(void, kelvaron_copy_stored_table, (const char* key, const char* file), {
  let text = null;
  try {
    text = localStorage.getItem(UTF8ToString(key));
  } catch (refused) {
  }
  if (text != null) FS.writeFile(UTF8ToString(file), text);
});

EM_JS(void, kelvaron_store_table, (const char* key, const char* file), {
  try {
    localStorage.setItem(UTF8ToString(key), FS.readFile(UTF8ToString(file), {encoding: 'utf8'}));
  } catch (refused) {
  }
});

// Returns a copy made with malloc, for the caller to free; null when nothing is stored.
EM_JS(char*, kelvaron_stored_text, (const char* key), {
  let text = null;
  try {
    text = localStorage.getItem(UTF8ToString(key));
  } catch (refused) {
  }
  if (text == null) return 0;
  const size = lengthBytesUTF8(text) + 1;
  const at = _malloc(size);
  stringToUTF8(text, at, size);
  return at;
});

EM_JS(int, kelvaron_store_text, (const char* key, const char* text), {
  try {
    localStorage.setItem(UTF8ToString(key), UTF8ToString(text));
    return 1;
  } catch (refused) {
    return 0;
  }
});

EM_JS(void, kelvaron_prefer_whole_pixels, (int prefer), {
  window.kelvaronWholePixels = prefer != 0;
  if (typeof fitScreen == 'function') fitScreen();
});

EM_JS(void, kelvaron_set_stored_table_aside, (int records, int skipped), {
  if (Module.onStoredTableAside) Module.onStoredTableAside(records, skipped);
});

EM_JS(void, kelvaron_keep_replay, (const char* name, const char* bytes, int length), {
  if (Module.onReplayRecorded) Module.onReplayRecorded(UTF8ToString(name), HEAPU8.slice(bytes, bytes + length));
});

EM_JS(void, kelvaron_replay_ended, (int matched, const char* why), {
  if (Module.onReplayEnded) Module.onReplayEnded(matched != 0, UTF8ToString(why));
});

// clang-format on

namespace page {

void showFrame(const std::uint8_t* rgba, int width, int height) {
  kelvaron_show_frame(rgba, width, height);
}
bool inFront() { return kelvaron_page_in_front() != 0; }
void showGoodbye() { kelvaron_show_goodbye(); }
void copyStoredTableTo(const std::string& file) {
  kelvaron_copy_stored_table(storage::kHighscores, file.c_str());
}
void storeTableFrom(const std::string& file) {
  kelvaron_store_table(storage::kHighscores, file.c_str());
}

std::optional<std::string> storedText(const char* key) {
  char* text = kelvaron_stored_text(key);
  if (!text) return std::nullopt;
  std::string copy(text);
  std::free(text);
  return copy;
}
bool storeText(const char* key, const std::string& text) {
  return kelvaron_store_text(key, text.c_str()) != 0;
}
void preferWholePixels(bool prefer) { kelvaron_prefer_whole_pixels(prefer ? 1 : 0); }

void setStoredTableAside(int records, int skipped) {
  kelvaron_set_stored_table_aside(records, skipped);
}
void keepReplay(const std::string& name, const std::string& bytes) {
  kelvaron_keep_replay(name.c_str(), bytes.data(), static_cast<int>(bytes.size()));
}
void replayEnded(bool matched, const std::string& why) {
  kelvaron_replay_ended(matched ? 1 : 0, why.c_str());
}

}  // namespace page
