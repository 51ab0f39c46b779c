#include "game/World.h"

#include <cstdio>
#include <initializer_list>

#include "bosses/BossFactory.h"
#include "player/PlayerSprite.h"

namespace {
World* currentWorld = nullptr;
}

World::World() : psp(std::make_unique<PlayerSprite>(400, 400)) { currentWorld = this; }

World::~World() {
  // Sprites withdraw their requests from the stacks as they go, so they go while the stacks exist.
  World* previous = currentWorld;
  currentWorld = this;
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
}

World& World::current() { return *currentWorld; }
World* World::currentOrNull() { return currentWorld; }
void World::makeCurrent(World& world) { currentWorld = &world; }

void World::start() {
  input.initialize();
  if (!highscoreFile.empty()) highscores.load(highscoreFile);
}

void World::shutdown() {
  recorder.windowCloses(*this);
  saveHighscores();
}

std::int64_t World::now() {
  const std::int64_t seconds = clock_->now();
  recorder.clockRead(seconds);
  return seconds;
}

void World::initialize(int level) {
  if (lifecount < 0) {
    recorder.gameBegins(*this, level);
  } else {
    recorder.levelSetUp(level);
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
  recorder.highscoreRecorded(lives >= 0, madeTheTable(finalScore, lives, date));
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

MySprite::~MySprite() {
  if (World* world = World::currentOrNull()) world->forgetSprite(this);
}
