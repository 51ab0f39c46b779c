#include "BossFields.h"

#include "bosses/Boss.h"
#include "bosses/Enemy6.h"
#include "bosses/Enemy7.h"
#include "bosses/Enemy8.h"
#include "bosses/Enemy9.h"

void addBossFields(const EnemyBaseSprite& boss, nlohmann::json& out) {
  const auto* named = dynamic_cast<const Boss*>(&boss);
  if (!named) return;
  out["count"] = named->get_count();
  out["angle"] = named->get_angle();
  if (const auto* enemy6 = dynamic_cast<const Enemy6Sprite*>(&boss)) addEnemy6Fields(*enemy6, out);
  if (const auto* enemy7 = dynamic_cast<const Enemy7Sprite*>(&boss)) addEnemy7Fields(*enemy7, out);
  if (const auto* enemy8 = dynamic_cast<const Enemy8Sprite*>(&boss)) addEnemy8Fields(*enemy8, out);
  if (const auto* enemy9 = dynamic_cast<const Enemy9Sprite*>(&boss)) addEnemy9Fields(*enemy9, out);
}
