#include "game/PlayerBombImage.h"

#include <array>

PlayerBombImage::PlayerBombImage() : VectorImage(6, 0x00FF00, 0x00FFFF) {
  static constexpr std::array<std::array<int, 2>, 6> kBolt = {
      {{-4, 16}, {16, -4}, {-2, -4}, {4, -16}, {-16, 4}, {2, 4}}};
  for (int i = 0; i < 6; ++i) set_xy(i, kBolt[i][0], kBolt[i][1]);
}
