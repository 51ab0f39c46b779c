#include "game/Hud.h"

#include <algorithm>
#include <cstdio>

#include "game/PlayerBombImage.h"
#include "game/World.h"
#include "graphics/Canvas.h"
#include "player/PlayerImages.h"
#include "player/PlayerSprite.h"

namespace {

constexpr int kBoxSlide = 50;  // pixels, one per frame
constexpr int kCopyFromRight = 240;

const PlayerImage& lifeSymbol() {
  static const PlayerImage image;
  return image;
}

const PlayerBombImage& bombSymbol() {
  static const PlayerBombImage image;
  return image;
}

void slideBox(World& world) {
  const bool near = nearScoreBox(world);
  if (near && world.boxoffsety < kBoxSlide) {
    ++world.boxoffsety;
  } else if (!near && world.boxoffsety > 0) {
    --world.boxoffsety;
  }
}

void drawBox(const World& world, Canvas& canvas) {
  const int bottom = world.rc.bottom;
  lifeSymbol().draw(canvas, 30, bottom - 30, 0.0, 0.74, 0x00A000, 0x00A0A0, true);
  if (world.lifecount >= 0) canvas.text(45, bottom - 35, formatCount(world.lifecount), kWhite);
  bombSymbol().draw(canvas, 100, bottom - 30, 0.0, 0.8, 0x969696, 0x5A5A5A);
  if (world.bombcount >= 0) canvas.text(110, bottom - 35, formatCount(world.bombcount), kWhite);
  canvas.text(140, bottom - 35, formatScore(world.score), kWhite);
}

}  // namespace

Colorref lifeBarColour(int life) {
  if (life > 99) return 0xFF0000;
  if (life >= 35) return 0x00FFFF;
  return kRed;
}

void drawlife(Canvas& canvas, const EnemyBaseSprite* boss) {
  canvas.text(10, 10, "BOSS", kWhite);
  if (!boss) return;
  const int life = boss->get_life();
  // A life driven below 0 draws an empty bar rather than one reaching back over the label.
  const int length = std::max(life, 0);
  canvas.rectangle(60, 10, 60 + length, 28, kWhite, lifeBarColour(life));
}

std::string formatScore(int score) {
  const int shown = std::max(score, 0);
  char text[32];
  if (shown <= 999999) {
    std::snprintf(text, sizeof text, "S:   %03d,%03d", (shown / 1000) % 1000, shown % 1000);
  } else {
    std::snprintf(text, sizeof text, "S:%2d,%03d,%03d", (shown / 1000000) % 100,
                  (shown / 1000) % 1000, shown % 1000);
  }
  return text;
}

std::string formatCount(int count) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d", std::min(count, 99));
  return text;
}

bool nearScoreBox(const World& world) {
  if (!world.psp) return false;
  return world.psp->get_x() < 290 && world.psp->get_y() > world.rc.bottom - 80;
}

void drawscores(World& world, Canvas& canvas) {
  slideBox(world);
  canvas.setViewportOrigin(0, world.boxoffsety);
  drawBox(world, canvas);
  canvas.setViewportOrigin(0, 0);
  if (world.boxoffsety == 0) return;
  canvas.setViewportOrigin(world.rc.right - kCopyFromRight, kBoxSlide - world.boxoffsety);
  drawBox(world, canvas);
  canvas.setViewportOrigin(0, 0);
}
