#include "BossFields.h"
#include "bosses/Enemy9.h"

void addEnemy9Fields(const Enemy9Sprite& boss, nlohmann::json& out) {
  const Enemy9Image& image = boss.get_image();
  nlohmann::json arms = nlohmann::json::array();
  nlohmann::json cells = nlohmann::json::array();
  for (int i = 0; i < 9; ++i) {
    arms.push_back({image.inner_position(i).current, image.outer_position(i).current});
    const Enemy9BodyCellImage& cell = image.get_body().cell(i);
    cells.push_back({{"color", cell.get_color()},
                     {"shape", cell.get_shape()},
                     {"glowlevel", cell.get_glowlevel()},
                     {"glowdir", cell.get_glowdir()}});
  }
  out["arms"] = std::move(arms);
  out["cells"] = std::move(cells);
}
