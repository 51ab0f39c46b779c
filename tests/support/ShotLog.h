#pragma once

#include <typeinfo>
#include <vector>

#include "game/World.h"

// A shot as a boss fired it: its class, where it started and its first step.
struct FiredShot {
  const std::type_info* type;
  double x, y, dx, dy;

  template <class T>
  bool is() const {
    return *type == typeid(T);
  }
};

// The shots fired in a world whose boss a test updates itself. Each take() empties the world's
// stack of requested shots, notes them in the order fired, steps each once and deletes it.
class ShotLog {
 public:
  std::vector<FiredShot> take(World& world) {
    std::vector<FiredShot> fired;
    for (MySprite* shot = nullptr; world.addesprites.pop(shot);) {
      FiredShot noted{&typeid(*shot), shot->get_x(), shot->get_y(), 0, 0};
      shot->update();
      noted.dx = shot->get_x() - noted.x;
      noted.dy = shot->get_y() - noted.y;
      fired.insert(fired.begin(), noted);  // the stack gives the last fired first
      delete shot;
    }
    all.insert(all.end(), fired.begin(), fired.end());
    return fired;
  }

  template <class T>
  static int count(const std::vector<FiredShot>& shots) {
    int n = 0;
    for (const FiredShot& shot : shots) n += shot.is<T>();
    return n;
  }

  std::vector<FiredShot> all;
};
