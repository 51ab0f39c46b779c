#include "BossFields.h"
#include "bosses/Enemy8.h"

void addEnemy8Fields(const Enemy8Sprite& boss, nlohmann::json& out) {
  nlohmann::json satellites = nlohmann::json::array();
  for (int i = 0; i < Enemy8Sprite::kSatellites; ++i) {
    const Enemy8childSprite* s = boss.satellite(i);
    if (!s) {
      satellites.push_back(nullptr);
      continue;
    }
    satellites.push_back({{"x", s->get_x()},
                          {"y", s->get_y()},
                          {"vx", s->get_vx()},
                          {"vy", s->get_vy()},
                          {"angle", s->get_angle()},
                          {"count", s->get_count()},
                          {"state", s->state_name()}});
  }
  out["satellites"] = std::move(satellites);
}
