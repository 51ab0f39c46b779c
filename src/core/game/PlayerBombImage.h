#pragma once

#include "graphics/VectorImage.h"

// The bomb symbol beside the bomb count: a zigzag bolt about 32 pixels across.
class PlayerBombImage : public VectorImage {
 public:
  PlayerBombImage();
};
