#include "BossFields.h"
#include "bosses/Enemy6.h"

void addEnemy6Fields(const Enemy6Sprite& boss, nlohmann::json& out) {
  out["vx"] = boss.get_vx();
  out["vy"] = boss.get_vy();
  out["gap"] = boss.get_gap();
}
