#include "BossFields.h"
#include "bosses/Enemy7.h"

void addEnemy7Fields(const Enemy7Sprite& boss, nlohmann::json& out) {
  out["vx"] = boss.get_vx();
  out["vy"] = boss.get_vy();
  out["aimangle"] = boss.get_aimangle();
  out["subcount"] = boss.get_subcount();
  out["hitsize"] = boss.get_hitsize();
  out["normalstate"] = boss.normalstate_name();
}
