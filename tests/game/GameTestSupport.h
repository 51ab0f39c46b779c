#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "controls/ControlSource.h"
#include "game/Clock.h"
#include "game/World.h"
#include "player/PlayerSprite.h"
#include "shell/UpdateBridge.h"
#include "support/RecordingCanvas.h"

// Keys held by the test; no joystick.
class HeldKeys final : public ControlSource {
 public:
  bool keyHeld(Key key) const override { return held.count(key) != 0; }
  int joystickDeviceCount() const override { return 0; }
  std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }
  std::set<Key> held;
};

// Who did what, in order, across all probes of a test.
using EventLog = std::vector<std::string>;

// A boss under the test's full control.
class FakeBoss : public EnemyBaseSprite {
 public:
  FakeBoss(double x, double y, EventLog* log = nullptr) : x(x), y(y), log(log) {}
  void update() override {
    ++updates;
    if (log) log->push_back("update:boss");
  }
  void draw(Canvas& canvas) override {
    canvas.text(0, 0, "boss", 0);
    if (log) log->push_back("draw:boss");
  }
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }
  void destroy() override {}
  bool damage(int points) override {
    ++damageCalls;
    if (!hittable) return false;
    life -= points;
    return true;
  }
  bool isdead() const override { return dead; }
  int get_life() const override { return life; }

  double x;
  double y;
  int hitsize = 30;
  int life = 100;
  bool hittable = true;
  bool dead = false;
  int damageCalls = 0;
  int updates = 0;
  EventLog* log;
};

// A sprite that logs its updates and draws, draws its name as a text, and can act on update.
class ProbeSprite : public MyHitSprite {
 public:
  ProbeSprite(std::string name, double x, double y, EventLog* log = nullptr, int hitsize = 1)
      : name(std::move(name)), x(x), y(y), hitsize(hitsize), log(log) {}
  void update() override {
    ++updates;
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

  std::string name;
  double x;
  double y;
  int hitsize;
  EventLog* log;
  int updates = 0;
  std::function<void(ProbeSprite&)> onUpdate;
};

// The names of the probes in a list, first to last.
inline std::vector<std::string> namesIn(const SpriteList& list) {
  std::vector<std::string> names;
  for (SpriteNode* node = list.get_first(); node; node = node->get_next()) {
    auto* probe = dynamic_cast<ProbeSprite*>(node->get_vec());
    names.push_back(probe ? probe->name : "?");
  }
  return names;
}

// A world in the game scene at a chosen level, with a virtual clock, test-held keys, a highscore
// file of its own and the real level set-up, its boss then replaced by a FakeBoss (or none).
class GameSceneTest : public ::testing::Test {
 protected:
  GameSceneTest() {
    world.setClock(&clock);
    world.input.setSource(&keys);
    world.windowfront = true;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    world.highscoreFile =
        std::filesystem::temp_directory_path() /
        (std::string("kelvaron-game-") + info->test_suite_name() + "-" + info->name() + ".csv");
    std::filesystem::remove(world.highscoreFile);
  }
  ~GameSceneTest() override {
    // Requests made outside a frame were never committed; the world would not delete them.
    World::makeCurrent(world);
    dropRequests();
    std::filesystem::remove(world.highscoreFile);
  }

  // Starts the level as the bridge would, then puts in a fake boss with nothing pending.
  FakeBoss& startLevel(int level, double bossX = 400, double bossY = 100) {
    World::makeCurrent(world);
    world.UB.nowlevel = level;
    world.UB.scene = updategame;
    world.initialize(level);
    world.es = std::make_unique<FakeBoss>(bossX, bossY, &log);
    dropRequests();
    return boss();
  }

  FakeBoss& boss() { return static_cast<FakeBoss&>(*world.es); }
  PlayerSprite& ship() { return *world.psp; }

  void dropRequests() {
    MySprite* sprite = nullptr;
    while (world.addesprites.pop(sprite)) delete sprite;
    while (world.addpsprites.pop(sprite)) delete sprite;
    while (world.addosprites.pop(sprite)) delete sprite;
    while (world.delesprites.pop(sprite)) {
    }
    while (world.delpsprites.pop(sprite)) {
    }
    while (world.delosprites.pop(sprite)) {
    }
  }

  // Runs the ship's own state machine until it is normal (count 0), outside any frame.
  void makeShipNormal() {
    World::makeCurrent(world);
    while (ship().get_state() != &PlayerSprite::updatenormal) ship().update();
  }

  // One frame, one hundredth of a second later on the virtual clock; the canvas holds its calls.
  void frame() {
    clock.setFrame(clock.frame() + 1);
    canvas.clear();
    update(world, canvas);
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }
  // Whole seconds on the virtual clock.
  void advanceSeconds(int seconds) { clock.setFrame(clock.frame() + 100 * seconds); }

  void hold(Key key) { keys.held.insert(key); }
  void release(Key key) { keys.held.erase(key); }

  ProbeSprite* addProbe(SpriteList& list, const std::string& name, double x, double y,
                        int hitsize = 1) {
    auto* probe = new ProbeSprite(name, x, y, &log, hitsize);
    list.push_last(probe);
    return probe;
  }

  World world;
  VirtualClock clock;
  HeldKeys keys;
  RecordingCanvas canvas;
  EventLog log;
};
