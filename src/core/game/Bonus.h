#pragma once

// Ships lost in the current level, and whether its no-death bonus has been added.
class NoDeathBonus {
 public:
  void reset() {
    lostlife = 0;
    bonusadded = false;
  }
  void loselife() { ++lostlife; }
  int getLostLife() const { return lostlife; }
  // 200,000 for no ship lost, 100,000 for one, 50,000 for two, nothing for more.
  int getBonus() const {
    switch (lostlife) {
      case 0: return 200000;
      case 1: return 100000;
      case 2: return 50000;
      default: return 0;
    }
  }
  bool getBonusAdded() const { return bonusadded; }
  void setBonusAdded(bool added) { bonusadded = added; }

 private:
  int lostlife = 0;
  bool bonusadded = false;
};

// The amounts granted at the last level clear, shown on the result screen.
struct BonusGiven {
  int timebonus = 0;
  int clearbonus = 0;
  int bombbonus = 0;
  void reset() { timebonus = clearbonus = bombbonus = 0; }
};
