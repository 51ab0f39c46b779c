#include "sprites/HitTest.h"

#include "sprites/Sprite.h"

bool testhit(const MyHitSprite* a, const MyHitSprite* b) {
  const double dx = a->get_x() - b->get_x();
  const double dy = a->get_y() - b->get_y();
  const int r = a->get_hitsize() + b->get_hitsize();
  return dx * dx + dy * dy <= static_cast<double>(r * r);
}
