#pragma once

#include "bosses/Boss.h"

// How one boss class dies: the length of its two death stages and the size of its explosions.
struct DeathStages {
  int breakupFrames;       // frames of scattered small explosions
  int destroyFrames;       // frames of large explosions, one per frame
  int largeSizeBase;       // a large explosion measures largeSizeBase ..
  int largeSizeRange;      // .. largeSizeBase + largeSizeRange - 1
  int smallSizeBase = 20;  // a small explosion measures smallSizeBase .. smallSizeBase + 20
  int smallChance = 20;    // chances in 100 of a small explosion in a break-up frame
  int largeSpread = 40;    // large explosions fall within largeSpread / 2 pixels of the centre
};

// Where an explosion goes off.
struct BlastSpot {
  double x;
  double y;
};

// A spot within spread / 2 pixels of (x, y) each way. Draws the x offset, then the y offset.
BlastSpot spotNear(double x, double y, int spread);
// Whether this break-up frame has a small explosion: draws one number.
bool blastThisFrame(int chancesIn100);
// An explosion of sizeBase .. sizeBase + sizeRange - 1 at the spot, into the other sprites. Draws
// the size.
void spawnBlast(BlastSpot spot, int sizeBase, int sizeRange);

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

  // The spot is drawn before the size.
  void updatebreakup() {
    if (blastThisFrame(stages_.smallChance)) spawnBlast(breakupSpot(), stages_.smallSizeBase, 21);
    if (++count >= stages_.breakupFrames) {
      state = &BossLifecycle::updatedestroy;
      count = 0;
    }
  }

  void updatedestroy() {
    spawnBlast(spotNear(get_x(), get_y(), stages_.largeSpread), stages_.largeSizeBase,
               stages_.largeSizeRange);
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

  // Where a small explosion of the break-up goes off: within 20 pixels of the centre, unless the
  // boss spreads them over a larger picture.
  virtual BlastSpot breakupSpot() const { return spotNear(get_x(), get_y(), 40); }

  bool in(State handler) const { return state == handler; }

  int count = 0;
  int life;
  State state;

 private:
  DeathStages stages_;
};
