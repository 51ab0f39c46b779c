#include "game/GameScene.h"

#include "game/Bomb.h"
#include "game/Hud.h"
#include "game/PlayerLoss.h"
#include "game/ResultScreens.h"
#include "game/World.h"
#include "graphics/Canvas.h"
#include "player/PlayerSprite.h"
#include "sprites/HitTest.h"

namespace {

constexpr int kShipStep = 3;

// Controls count only while the game window is in front.
bool held(const World& world, bool control) { return world.windowfront && control; }

// Each direction by itself, so that two held together move diagonally; a step that leaves the
// play field is taken back to its very edge.
void moveShip(World& world) {
  PlayerSprite& ship = *world.psp;
  const Rect& rc = world.rc;
  if (held(world, world.input.left())) {
    ship.move_xy(-kShipStep, 0);
    const int x = static_cast<int>(ship.get_x());
    if (x < rc.left) ship.move_xy(rc.left - x, 0);
  }
  if (held(world, world.input.right())) {
    ship.move_xy(kShipStep, 0);
    const int x = static_cast<int>(ship.get_x());
    if (x > rc.right) ship.move_xy(rc.right - x, 0);
  }
  if (held(world, world.input.up())) {
    ship.move_xy(0, -kShipStep);
    const int y = static_cast<int>(ship.get_y());
    if (y < rc.top) ship.move_xy(0, rc.top - y);
  }
  if (held(world, world.input.down())) {
    ship.move_xy(0, kShipStep);
    const int y = static_cast<int>(ship.get_y());
    if (y > rc.bottom) ship.move_xy(0, rc.bottom - y);
  }
}

void fire(World& world) {
  if (held(world, world.input.button1())) world.psp->fire();
}

// One bomb per press: holding the button does not set off another, and a press with no bomb left
// or after the boss is dead is used up without effect.
void bomb(World& world, Canvas& canvas) {
  if (!held(world, world.input.button2())) {
    world.keyXpressed = false;
    return;
  }
  if (!world.keyXpressed && world.bombcount > 0 && !bossIsDead(world)) {
    usebomb(world, canvas);
    --world.bombcount;
  }
  world.keyXpressed = true;
}

// A shot that the boss accepts does its one point of damage and goes; a shot the boss cannot take
// in its present state flies on.
void playerShots(World& world, Canvas& canvas) {
  for (SpriteNode* node = world.psl.get_first(); node; node = node->get_next()) {
    Sprite* sprite = node->get_vec();
    sprite->update();
    sprite->draw(canvas);
    MyHitSprite* shot = sprite->asHitSprite();
    if (shot && world.es && testhit(shot, world.es.get()) && world.es->damage(1)) {
      world.requestDelete(world.delpsprites, shot);
      world.cues.add(SoundCue::bossHit);
    }
  }
}

void otherSprites(World& world, Canvas& canvas) {
  for (SpriteNode* node = world.osl.get_first(); node; node = node->get_next()) {
    node->get_vec()->update();
    node->get_vec()->draw(canvas);
  }
}

void boss(World& world, Canvas& canvas) {
  if (!world.es) return;
  world.es->update();
  world.es->draw(canvas);
}

void ship(World& world, Canvas& canvas) {
  world.psp->update();
  world.psp->draw(canvas);
}

// Only what flies in the enemy list hurts, and only while the boss lives; the shot that hits
// flies on.
void enemyShots(World& world, Canvas& canvas) {
  for (SpriteNode* node = world.esl.get_first(); node; node = node->get_next()) {
    Sprite* sprite = node->get_vec();
    sprite->update();
    sprite->draw(canvas);
    const MyHitSprite* shot = sprite->asHitSprite();
    if (shot && testhit(shot, world.psp.get()) && !bossIsDead(world)) destroyplayer(world);
  }
}

void commitDeletes(Stack<MySprite*>& requests, SpriteList& list) {
  MySprite* sprite = nullptr;
  while (requests.pop(sprite)) list.delete_sprite(sprite);
}

void commitAddsFirst(Stack<MySprite*>& requests, SpriteList& list) {
  MySprite* sprite = nullptr;
  while (requests.pop(sprite)) list.push_first(sprite);
}

void commitAddsLast(Stack<MySprite*>& requests, SpriteList& list) {
  MySprite* sprite = nullptr;
  while (requests.pop(sprite)) list.push_last(sprite);
}

// Deletes before adds, so a sprite asked to be added and removed in one frame is added and stays.
void commit(World& world) {
  commitDeletes(world.delesprites, world.esl);
  commitDeletes(world.delpsprites, world.psl);
  commitDeletes(world.delosprites, world.osl);
  commitAddsFirst(world.addesprites, world.esl);
  commitAddsFirst(world.addpsprites, world.psl);
  commitAddsLast(world.addosprites, world.osl);
}

GameScreen outcome(const World& world) {
  if (world.lifecount < 0) return GameScreen::gameover;
  if (!bossIsDead(world)) return GameScreen::fight;
  return levelLeadsOn(world.UB->get_nowlevel()) ? GameScreen::levelcleared
                                                : GameScreen::gamecleared;
}

}  // namespace

bool bossIsDead(const World& world) { return world.es && world.es->isdead(); }

GameScreen currentScreen(const World& world) {
  if (!world.UB || !world.UB->inGame()) return GameScreen::title;
  return outcome(world);
}

const char* screenName(GameScreen screen) {
  switch (screen) {
    case GameScreen::title: return "title";
    case GameScreen::fight: return "fight";
    case GameScreen::gameover: return "gameover";
    case GameScreen::levelcleared: return "levelcleared";
    case GameScreen::gamecleared: return "gamecleared";
  }
  return "unknown";
}

void updategame(World& world, Canvas& canvas) {
  moveShip(world);
  fire(world);
  bomb(world, canvas);
  playerShots(world, canvas);
  otherSprites(world, canvas);
  boss(world, canvas);
  ship(world, canvas);
  enemyShots(world, canvas);
  drawlife(canvas, world.es.get());
  drawscores(world, canvas);
  commit(world);
  switch (outcome(world)) {
    case GameScreen::gameover: updategameover(world, canvas); break;
    case GameScreen::levelcleared:
    case GameScreen::gamecleared: updatelevelwon(world, canvas); break;
    default: world.ingametime = world.now(); break;
  }
}
