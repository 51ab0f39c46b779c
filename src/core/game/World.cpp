#include "game/World.h"

#include <cstdio>
#include <initializer_list>

#include "game/BossFactory.h"
#include "player/PlayerSprite.h"

namespace {
World* currentWorld = nullptr;
}

World::World() : psp(std::make_unique<PlayerSprite>(400, 400)) { makeCurrent(*this); }

World::~World() {
  // Sprites withdraw their requests from the stacks as they go, so they go while the stacks exist.
  World* previous = currentWorld;
  makeCurrent(*this);
  esl.clear();
  psl.clear();
  osl.clear();
  // Sprites still waiting to join a list belong to nobody else.
  for (Stack<MySprite*>* adds : {&addesprites, &addpsprites, &addosprites}) {
    for (MySprite* sprite = nullptr; adds->pop(sprite);) delete sprite;
  }
  es.reset();
  psp.reset();
  currentWorld = previous == this ? nullptr : previous;
  Arena::makeCurrent(currentWorld);
}

World& World::current() { return *currentWorld; }
World* World::currentOrNull() { return currentWorld; }
void World::makeCurrent(World& world) {
  currentWorld = &world;
  Arena::makeCurrent(&world);
}

void World::start() {
  input.initialize();
  if (!highscoreFile.empty()) highscores.load(highscoreFile);
}

void World::shutdown() {
  if (observer) observer->windowCloses(*this);
  saveHighscores();
}

std::int64_t World::now() {
  const std::int64_t seconds = clock_->now();
  if (observer) observer->clockRead(seconds);
  return seconds;
}

void World::initialize(int level) {
  if (observer && lifecount < 0) {
    observer->gameBegins(*this, level);
  } else if (observer) {
    observer->levelSetUp(level);
  }
  esl.clear();
  psl.clear();
  osl.clear();
  es.reset();
  es = createBoss(level, rc);
  psp = std::make_unique<PlayerSprite>(400, 400);
  if (lifecount < 0) {  // a new game
    lifecount = 2;
    bombcount = 2;
    score = 0;
  }
  if (bombcount < 1) bombcount = 1;
  levelbegintime = ingametime = now();
  timebonusadded = killbonusadded = bombbonusadded = false;
  bonusgiven.reset();
  nodeathbonus.reset();
}

void World::setClock(const Clock* clock) { clock_ = clock ? clock : &systemClock_; }

bool World::saveHighscores() {
  if (highscoreFile.empty()) return true;
  std::string error;
  if (highscores.save(highscoreFile, &error)) return true;
  std::fprintf(stderr, "kelvaron: highscores not saved (%s); the previous table is kept\n",
               error.c_str());
  return false;
}

void World::recordHighscore(int finalScore, int lives, std::int64_t date) {
  highscores.record(finalScore, lives, date);
  if (observer) observer->highscoreRecorded(lives >= 0, madeTheTable(finalScore, lives, date));
  saveHighscores();
}

// Among equal scores the latest is shown first, so a record is in the table when one like it is.
bool World::madeTheTable(int finalScore, int lives, std::int64_t date) const {
  for (const Highscore& h : highscores.best(HighscoreTable::kShown)) {
    if (h.score == finalScore && h.lives == lives && h.date == date) return true;
  }
  return false;
}

void World::requestAdd(Stack<MySprite*>& stack, MySprite* sprite) {
  if (stack.push(sprite)) return;
  ++stacks_dropped;
  delete sprite;
}

void World::requestDelete(Stack<MySprite*>& stack, MySprite* sprite) {
  if (!stack.push(sprite)) ++stacks_dropped;
}

void World::forgetSprite(MySprite* sprite) {
  delesprites.remove_all(sprite);
  delpsprites.remove_all(sprite);
  delosprites.remove_all(sprite);
}

const MySprite& World::ship() const { return *psp; }

// A shot or effect that makes a sound is heard the frame it appears.
void World::fireEnemyShot(MySprite* shot) {
  if (const auto sound = shot->soundCue()) cues.add(*sound);
  requestAdd(addesprites, shot);
}

void World::firePlayerShot(MySprite* shot) { requestAdd(addpsprites, shot); }

void World::addEffect(MySprite* effect) {
  if (const auto sound = effect->soundCue()) cues.add(*sound);
  requestAdd(addosprites, effect);
}

void World::withdrawEffect(MySprite* effect) {
  if (addosprites.remove_all(effect) > 0) {
    delete effect;
  } else {
    removeEffect(effect);
  }
}
