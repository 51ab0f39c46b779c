#include "TouchControls.h"

#include <algorithm>

namespace {

constexpr unsigned bit(Key key) { return 1u << static_cast<unsigned>(key); }

// One axis: the direction that pays back a step of what is owed, if at least half a step is.
unsigned payStep(double& owed, Key less, Key more) {
  constexpr double half = TouchControls::kShipStep / 2;
  if (owed >= half) {
    owed -= TouchControls::kShipStep;
    return bit(more);
  }
  if (owed <= -half) {
    owed += TouchControls::kShipStep;
    return bit(less);
  }
  return 0;
}

}  // namespace

void TouchControls::addDrag(double dx, double dy) {
  owedX_ = std::clamp(owedX_ + dx, -kMostOwed, kMostOwed);
  owedY_ = std::clamp(owedY_ + dy, -kMostOwed, kMostOwed);
}

void TouchControls::press(unsigned mask, int frames) {
  presses_.push_back({mask, frames});
  presses_.push_back({0, frames});
}

void TouchControls::clear() {
  held_ = 0;
  now_ = 0;
  owedX_ = owedY_ = 0;
  presses_.clear();
}

void TouchControls::beginUpdate() {
  now_ = held_;
  if (!presses_.empty()) {
    now_ |= presses_.front().mask;
    if (--presses_.front().frames <= 0) presses_.pop_front();
  }
  now_ |= payStep(owedX_, Key::Left, Key::Right);
  now_ |= payStep(owedY_, Key::Up, Key::Down);
}
