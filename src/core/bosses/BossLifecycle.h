#pragma once

#include "bosses/Boss.h"

// How one boss class dies: the length of its two death stages and the size of its explosions.
struct DeathStages {
  int breakupFrames;       // frames of scattered small explosions
  int destroyFrames;       // frames of large explosions, one per frame
  int largeSizeBase;       // a large explosion measures largeSizeBase ..
  int largeSizeRange;      // .. largeSizeBase + largeSizeRange - 1
  int smallSizeBase = 20;  // a small explosion measures smallSizeBase .. smallSizeBase + 20
};

// Spawns an explosion within 20 pixels of (x, y) into the other sprites. Draws the x offset, the
// y offset and the size, in that order.
void spawnBlastNear(double x, double y, int sizeBase, int sizeRange);
// A break-up frame: one chance in five of a small explosion near (x, y).
void maybeSpawnSmallBlast(double x, double y, int sizeBase);

// The life and death every boss shares. Its state is one of the boss's own handlers, called once
// per frame and compared by identity: the fighting state(s) the boss writes, and the three dying
// stages written here once: updatebreakup (small explosions), updatedestroy (large ones, the boss
// unseen) and updatewait (dead, which alone ends the level).
//
// Self is the boss class; it must have an `updatenormal` handler, and it says through the
// DeathStages given here how long its stages last and how large its explosions are.
template <class Self>
class BossLifecycle : public Boss {
 public:
  using State = void (Self::*)();

  void update() override { (static_cast<Self*>(this)->*state)(); }

  // Takes the points while the boss can be hurt; the hit that brings life below 1 starts the
  // break-up. A refused hit changes nothing, and the shot flies on.
  bool damage(int points) override {
    if (!damageCounts()) return false;
    life -= points;
    if (life < 1) destroy();
    return true;
  }

  void destroy() override {
    count = 0;
    state = &BossLifecycle::updatebreakup;
  }

  bool isdead() const override { return state == &BossLifecycle::updatewait; }
  int get_life() const override { return life; }

  const char* state_name() const override {
    if (state == &BossLifecycle::updatebreakup) return "updatebreakup";
    if (state == &BossLifecycle::updatedestroy) return "updatedestroy";
    if (state == &BossLifecycle::updatewait) return "updatewait";
    return fightingStateName();
  }

  int get_count() const override { return count; }
  State get_state() const { return state; }

  void updatebreakup() {
    maybeSpawnSmallBlast(get_x(), get_y(), stages_.smallSizeBase);
    if (++count >= stages_.breakupFrames) {
      state = &BossLifecycle::updatedestroy;
      count = 0;
    }
  }

  void updatedestroy() {
    spawnBlastNear(get_x(), get_y(), stages_.largeSizeBase, stages_.largeSizeRange);
    if (++count >= stages_.destroyFrames) state = &BossLifecycle::updatewait;
  }

  void updatewait() {}

 protected:
  BossLifecycle(int initialLife, State first, const DeathStages& stages)
      : life(initialLife), state(first), stages_(stages) {}

  // The states in which a hit counts: updatenormal, unless the boss says otherwise.
  virtual bool damageCounts() const { return state == &Self::updatenormal; }
  // The name of a fighting state: updatenormal, unless the boss has more of them.
  virtual const char* fightingStateName() const { return "updatenormal"; }

  bool in(State handler) const { return state == handler; }

  int count = 0;
  int life;
  State state;

 private:
  DeathStages stages_;
};
