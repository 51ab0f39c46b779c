#include "Autopilot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "game/GameScene.h"
#include "game/World.h"
#include "player/PlayerSprite.h"

namespace {

constexpr int kShipStep = 3;
constexpr double kSafetyMargin = 4.0;  // pixels kept clear of a shot's hit circle
constexpr int kBombWhenHitWithin = 3;  // frames: a bomb is the last resort
constexpr std::array<std::pair<int, int>, 9> kMoves = {
    {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};

double clampTo(double value, double low, double high) {
  return std::min(std::max(value, low), high);
}

}  // namespace

Autopilot::Autopilot(std::uint32_t seed, double noise)
    : chance_(seed), noise_(noise), preferredOffsetX_(0.0) {
  std::uniform_real_distribution<double> offset(-40.0, 40.0);
  preferredOffsetX_ = seed == 0 ? 0.0 : offset(chance_);
}

const std::set<Key>& Autopilot::decide(const World& world) {
  held_.clear();
  if (noise_ > 0 && std::uniform_real_distribution<double>(0, 1)(chance_) < noise_) {
    randomControls();
    return held_;
  }
  switch (currentScreen(world)) {
    case GameScreen::title: onTitle(world); break;
    case GameScreen::fight: inFight(world); break;
    default:
      // Result screens wait for Space.
      held_.insert(Key::Space);
      break;
  }
  return held_;
}

// "New Game" is the first entry: go up to it, then choose it.
void Autopilot::onTitle(const World& world) {
  tracks_.clear();
  releaseNext_ = !releaseNext_;
  if (releaseNext_) return;
  held_.insert(world.selected > 0 ? Key::Up : Key::Z);
}

void Autopilot::inFight(const World& world) {
  trackShots(world);
  held_.insert(Key::Z);
  int bestHit = -1;
  double bestPreference = -std::numeric_limits<double>::infinity();
  Move best{0, 0};
  for (const auto& [dx, dy] : kMoves) {
    const Move move{dx, dy};
    const int hit = std::min(firstHit(world, move), kLookahead + 1);
    const double liking = preference(world, move);
    if (hit > bestHit || (hit == bestHit && liking > bestPreference)) {
      bestHit = hit;
      bestPreference = liking;
      best = move;
    }
  }
  holdMove(best);
  // Every move runs into a shot: clear the screen, once per press.
  const bool cornered = bestHit <= kBombWhenHitWithin && world.bombcount > 0 &&
                        world.psp->get_state() == &PlayerSprite::updatenormal;
  releaseNext_ = cornered && !releaseNext_;
  if (releaseNext_) held_.insert(Key::X);
}

// Each shot's last step and the change of it, from where it stood in the last frames.
void Autopilot::trackShots(const World& world) {
  std::unordered_map<const Sprite*, Track> seen;
  for (SpriteNode* node = world.esl.get_first(); node; node = node->get_next()) {
    const auto* shot = dynamic_cast<const MyHitSprite*>(node->get_vec());
    if (!shot) continue;
    Track now{shot->get_x(), shot->get_y(), 0, 0, 0, 0};
    if (auto it = tracks_.find(shot); it != tracks_.end()) {
      now.vx = now.x - it->second.x;
      now.vy = now.y - it->second.y;
      now.ax = now.vx - it->second.vx;
      now.ay = now.vy - it->second.vy;
    }
    seen.emplace(shot, now);
  }
  tracks_ = std::move(seen);
}

int Autopilot::firstHit(const World& world, Move move) const {
  const Rect& rc = world.rc;
  const double shipX = world.psp->get_x();
  const double shipY = world.psp->get_y();
  int first = kLookahead + 1;
  for (SpriteNode* node = world.esl.get_first(); node; node = node->get_next()) {
    const auto* shot = dynamic_cast<const MyHitSprite*>(node->get_vec());
    const auto it = shot ? tracks_.find(shot) : tracks_.end();
    if (it == tracks_.end()) continue;
    const Track& t = it->second;
    const double reach = shot->get_hitsize() + kSafetyMargin;
    for (int ahead = 1; ahead < first; ++ahead) {
      const double x = clampTo(shipX + move.dx * kShipStep * ahead, rc.left, rc.right);
      const double y = clampTo(shipY + move.dy * kShipStep * ahead, rc.top, rc.bottom);
      const double growth = ahead * (ahead + 1) / 2.0;
      const double sx = t.x + t.vx * ahead + t.ax * growth;
      const double sy = t.y + t.vy * ahead + t.ay * growth;
      if ((sx - x) * (sx - x) + (sy - y) * (sy - y) <= reach * reach) {
        first = ahead;
        break;
      }
    }
  }
  return first;
}

// Under the boss, low on the field, with a little chance to break ties.
double Autopilot::preference(const World& world, Move move) const {
  const Rect& rc = world.rc;
  const double bossX = world.es ? world.es->get_x() : rc.right / 2.0;
  const double targetX = clampTo(bossX + preferredOffsetX_, rc.left + 20, rc.right - 20);
  const double targetY = rc.bottom - 70.0;
  const double x = world.psp->get_x() + move.dx * kShipStep;
  const double y = world.psp->get_y() + move.dy * kShipStep;
  return -std::abs(x - targetX) - 0.5 * std::abs(y - targetY);
}

void Autopilot::holdMove(Move move) {
  if (move.dx < 0) held_.insert(Key::Left);
  if (move.dx > 0) held_.insert(Key::Right);
  if (move.dy < 0) held_.insert(Key::Up);
  if (move.dy > 0) held_.insert(Key::Down);
}

void Autopilot::randomControls() {
  static constexpr std::array<Key, 8> kAll = {Key::Up, Key::Down, Key::Left,  Key::Right,
                                              Key::Z,  Key::X,    Key::Shift, Key::Space};
  std::bernoulli_distribution pressed(0.3);
  for (Key key : kAll) {
    if (pressed(chance_)) held_.insert(key);
  }
}
