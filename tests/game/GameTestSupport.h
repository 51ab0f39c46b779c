#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/Highscores.h"
#include "player/PlayerSprite.h"
#include "support/LevelRun.h"

// Who did what, in order, across all probes of a test.
using EventLog = std::vector<std::string>;

// A sprite that logs its updates and draws, draws its name as a text and can act on update; as
// the boss it is under the test's full control.
class Probe : public EnemyBaseSprite {
 public:
  Probe(std::string name, double x, double y, EventLog* log = nullptr, int hitsize = 1)
      : name(std::move(name)), x(x), y(y), hitsize(hitsize), log(log) {}
  void update() override {
    if (log) log->push_back("update:" + name);
    if (onUpdate) onUpdate(*this);
  }
  void draw(Canvas& canvas) override {
    canvas.text(0, 0, name, 0);
    if (log) log->push_back("draw:" + name);
  }
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }
  void destroy() override {}
  bool damage(int points) override {
    if (hittable) life -= points;
    return hittable;
  }
  bool isdead() const override { return dead; }
  int get_life() const override { return life; }

  std::string name;
  double x, y;
  int hitsize;
  EventLog* log;
  std::function<void(Probe&)> onUpdate;
  int life = 100;
  bool hittable = true, dead = false;
};

// The names of the probes in a list, first to last.
inline std::vector<std::string> namesIn(const SpriteList& list) {
  std::vector<std::string> names;
  for (SpriteNode* node = list.get_first(); node; node = node->get_next()) {
    auto* probe = dynamic_cast<Probe*>(node->get_vec());
    names.push_back(probe ? probe->name : "?");
  }
  return names;
}

// Level 1 fought against a probe boss.
class GameSceneTest : public ::testing::Test, public LevelRun {
 protected:
  GameSceneTest() { startLevel(1); }

  // The level as the bridge sets it up, then a probe for its boss.
  Probe& startLevel(int level) {
    LevelRun::startLevel(level);
    world.es = std::make_unique<Probe>("boss", 400, 100, &log, 30);
    return boss();
  }

  Probe& boss() { return static_cast<Probe&>(*world.es); }
  PlayerSprite& ship() const { return *world.psp; }
  Point shipAt() const {
    return {static_cast<int>(ship().get_x()), static_cast<int>(ship().get_y())};
  }

  // Runs the ship's own state machine until it is normal (count 0), outside any frame.
  void makeShipNormal() {
    while (ship().get_state() != &PlayerSprite::updatenormal) ship().update();
  }

  void advanceSeconds(int seconds) { clock.setFrame(clock.frame() + 100 * seconds); }

  Probe* addProbe(SpriteList& list, const std::string& name, double x, double y, int hitsize = 1) {
    auto* probe = new Probe(name, x, y, &log, hitsize);
    list.push_last(probe);
    return probe;
  }

  // The best record of the highscore file, which a recorded game is written to at once.
  Highscore savedBest() const {
    std::ifstream file(world.highscoreFile);
    std::string line;
    Highscore saved;
    EXPECT_TRUE(std::getline(file, line) && HighscoreTable::parseLine(line, saved));
    return saved;
  }

  EventLog log;
};
