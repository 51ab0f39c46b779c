#include "game/Bomb.h"

#include "game/World.h"
#include "graphics/Canvas.h"

namespace {
constexpr Colorref kFlashGrey = 0x7F7F7F;
}

void usebomb(World& world, Canvas& canvas) {
  canvas.rectangle(0, 0, world.rc.right, world.rc.bottom, std::nullopt, kFlashGrey);
  while (world.esl.get_count() > 0) world.esl.delete_last();
  world.cues.add(SoundCue::bomb);
}
