// kelvaron-web-facts OUTPUT.js: the game's constants that the page's scripts need, written at build
// time from the C++ that defines them, so that the page cannot disagree with the game: the play
// field's size, the bits of the touch overlay's control masks and the storage names. Built to run
// under Node, as kelvaron-web-icon is.
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "StorageKeys.h"
#include "controls/ControlSource.h"
#include "game/PlayField.h"
#include "replay/ReplayFile.h"

namespace {

constexpr unsigned bit(Key key) { return 1u << static_cast<unsigned>(key); }

// The touch masks are 1 << Key; a replay stores the same bits.
static_assert(bit(Key::Up) == control::kUp && bit(Key::Down) == control::kDown &&
              bit(Key::Left) == control::kLeft && bit(Key::Right) == control::kRight &&
              bit(Key::Z) == control::kButton1 && bit(Key::X) == control::kButton2 &&
              bit(Key::Shift) == control::kButton3 && bit(Key::Space) == control::kButton4);

std::string quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) {
    if (c == '\'' || c == '\\') out += '\\';
    out += c;
  }
  return out + "'";
}

std::string number(long long value) { return std::to_string(value); }

// A JavaScript object literal on one line: {name: value, ...}.
std::string object(const std::vector<std::pair<const char*, std::string>>& members) {
  std::string out = "{";
  for (const auto& [name, value] : members) {
    if (out.size() > 1) out += ", ";
    out += name + (": " + value);
  }
  return out + "}";
}

std::string factsScript() {
  const std::string field =
      object({{"width", number(kFieldWidth)}, {"height", number(kFieldHeight)}});
  const std::string controls = object({{"up", number(bit(Key::Up))},
                                       {"down", number(bit(Key::Down))},
                                       {"left", number(bit(Key::Left))},
                                       {"right", number(bit(Key::Right))},
                                       {"z", number(bit(Key::Z))},
                                       {"x", number(bit(Key::X))},
                                       {"shift", number(bit(Key::Shift))},
                                       {"space", number(bit(Key::Space))}});
  const std::string names = object({{"highscores", quoted(storage::kHighscores)},
                                    {"highscoresAside", quoted(storage::kHighscoresAside)},
                                    {"sound", quoted(storage::kSound)},
                                    {"settings", quoted(storage::kSettings)},
                                    {"settingsAside", quoted(storage::kSettingsAside)},
                                    {"visited", quoted(storage::kVisited)},
                                    {"replayDatabase", quoted(storage::kReplayDatabase)}});
  std::string script =
      "// Written by the build from the game's C++ (kelvaron-web-facts): edit that, not this.\n"
      "'use strict';\n\n";
  script += "const kelvaronFacts = {\n";
  script += "  field: " + field + ",\n";
  script += "  controls: " + controls + ",\n";
  script += "  storage: " + names + ",\n";
  return script + "};\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kelvaron-web-facts OUTPUT.js\n");
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << factsScript();
  if (!out.flush()) {
    std::fprintf(stderr, "kelvaron-web-facts: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
