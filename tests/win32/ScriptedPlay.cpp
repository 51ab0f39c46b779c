#include "ScriptedPlay.h"

#include <array>

void ScriptedPlay::setFrame(int frame) {
  static constexpr std::array<std::array<Key, 2>, 4> kSweeps = {{{Key::Left, Key::Up},
                                                                 {Key::Right, Key::Down},
                                                                 {Key::Right, Key::Up},
                                                                 {Key::Left, Key::Down}}};
  const auto& sweep = kSweeps[static_cast<std::size_t>((frame / 70) % 4)];
  held_ = {Key::Z, sweep[0], sweep[1]};
  if (frame % 600 < 5) held_.insert(Key::X);
  if (frame % 900 < 5) held_.insert(Key::Space);  // leaves a result screen when one shows
}
