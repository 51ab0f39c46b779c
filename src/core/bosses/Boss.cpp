#include "bosses/Boss.h"

const char* bossClassName(const EnemyBaseSprite* boss) {
  const auto* named = dynamic_cast<const Boss*>(boss);
  return named ? named->class_name() : "";
}

const char* bossStateName(const EnemyBaseSprite* boss) {
  const auto* named = dynamic_cast<const Boss*>(boss);
  return named ? named->state_name() : "";
}
