#include "game/Scoring.h"

#include <algorithm>
#include <limits>

#include "game/World.h"

namespace {

constexpr LevelBonus kNoBonus = {60, 0, 0};

// Division rounding towards minus infinity, so that counting multiples works on either side of 0.
std::int64_t floorDiv(std::int64_t value, std::int64_t divisor) {
  const std::int64_t quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

void grantTimeBonus(World& world, const LevelBonus& row) {
  if (world.timebonusadded) return;
  world.bonusgiven.timebonus = timeBonus(row, world.ingametime - world.levelbegintime);
  addscore(world, world.bonusgiven.timebonus);
  world.timebonusadded = true;
}

void grantClearBonus(World& world, const LevelBonus& row) {
  if (world.killbonusadded) return;
  world.bonusgiven.clearbonus = row.clearbonus;
  addscore(world, world.bonusgiven.clearbonus);
  world.killbonusadded = true;
}

void grantBombBonus(World& world) {
  if (world.bombbonusadded) return;
  world.bonusgiven.bombbonus = std::max(world.bombcount, 0) * kBombBonusEach;
  addscore(world, world.bonusgiven.bombbonus);
  world.bombbonusadded = true;
}

void grantNoDeathBonus(World& world) {
  if (world.nodeathbonus.getBonusAdded()) return;
  addscore(world, world.nodeathbonus.getBonus());
  world.nodeathbonus.setBonusAdded(true);
}

}  // namespace

LevelBonus bonusRow(int level) {
  const Level* row = findLevel(level);
  return row ? row->bonus : kNoBonus;
}

int timeBonus(const LevelBonus& row, std::int64_t seconds) {
  // A wall clock set back during the level must not pay more than the bonus at 0 seconds.
  const std::int64_t t = std::max<std::int64_t>(seconds, 0);
  if (t > row.timelimit) return 0;
  const std::int64_t full = row.timebonus;
  return static_cast<int>(full - (full * t) / row.timelimit);
}

void addscore(World& world, int points) {
  if (points <= 0) return;
  const std::int64_t before = world.score;
  const std::int64_t after =
      std::min<std::int64_t>(before + points, std::numeric_limits<int>::max());
  const int extraShips =
      static_cast<int>(floorDiv(after, kExtraShipEvery) - floorDiv(before, kExtraShipEvery));
  if (extraShips > 0) world.cues.add(SoundCue::extraShip);
  world.lifecount += extraShips;
  world.score = static_cast<int>(after);
}

void addLevelBonuses(World& world) {
  const LevelBonus row = bonusRow(world.UB->get_nowlevel());
  grantTimeBonus(world, row);
  grantClearBonus(world, row);
  grantBombBonus(world);
  grantNoDeathBonus(world);
}
