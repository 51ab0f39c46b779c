#include "bosses/Enemy8.h"

#include <utility>

#include "math/Angles.h"
#include "math/GameMath.h"
#include "math/Pi.h"
#include "sprites/Arena.h"
#include "weapons/AcceleratingShots.h"

namespace {

constexpr double kRingRadius = 32;
constexpr int kPairs = Enemy8Sprite::kSatellites / 2;

// The chords of the octagon, as pairs of its points.
constexpr std::pair<int, int> kChords[] = {{0, 3}, {1, 6}, {2, 5}, {4, 7}};

// Where each satellite rides in the second pattern, from the sway's centre: four to the right,
// four to the left, the inner ones lowest.
struct WingOffset {
  double dx;
  double dy;
};
constexpr WingOffset kWings[Enemy8Sprite::kSatellites] = {
    {40, 90}, {120, 60}, {200, 30}, {280, 30}, {-40, 90}, {-120, 60}, {-200, 30}, {-280, 30}};

}  // namespace

Enemy8Image::Enemy8Image() : VectorImage(8, kRed, kBlue) {
  for (int i = 0; i < 8; ++i) set_rth(i, 25.0, i * kQuarterPi + kEighthPi);
}

void Enemy8Image::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                       Colorref pen, Colorref brush) const {
  VectorImage::draw(canvas, x, y, rotation, scale, pen, brush);
  const Colorref chordPen = pen == kOwnColor ? get_pencol() : pen;
  const auto corner = [&](int i) {
    double px = 0.0;
    double py = 0.0;
    get_xy(i, rotation, scale, &px, &py);
    return Point{gm::truncate(px + x), gm::truncate(py + y)};
  };
  for (const auto& [a, b] : kChords) canvas.line(corner(a), corner(b), chordPen);
}

// The satellites join the other sprites at the level's first commit, all at the start point.
Enemy8Sprite::Enemy8Sprite(int startX, int startY)
    : BossLifecycle(kInitialLife, &Enemy8Sprite::updatenormalintro, kDeath),
      x(startX),
      y(startY),
      cx(startX),
      cy(startY) {
  Arena& arena = Arena::current();
  for (Enemy8childSprite*& child : children) {
    child = new Enemy8childSprite(gm::truncate(x), gm::truncate(y), this);
    // A refused request deletes the satellite, which then forgets itself here.
    arena.addEffect(child);
  }
}

// Satellites the list has already deleted have forgotten themselves. Each one still alive is cut
// loose first, so it never reaches this boss again, and then removed: at the next commit if it is
// in the list, at once if it is still waiting to join it.
Enemy8Sprite::~Enemy8Sprite() {
  Arena* arena = Arena::currentOrNull();
  for (Enemy8childSprite*& child : children) {
    Enemy8childSprite* leaving = std::exchange(child, nullptr);
    if (!leaving) continue;
    leaving->orphan();
    if (arena) arena->withdrawEffect(leaving);
  }
}

void Enemy8Sprite::forgetChild(const Enemy8childSprite* child) {
  for (Enemy8childSprite*& c : children) {
    if (c == child) c = nullptr;
  }
}

// The octagon turns with the sway phase; it stays visible through both death stages.
void Enemy8Sprite::draw(Canvas& canvas) {
  if (isdead()) return;
  img.draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}

bool Enemy8Sprite::damageCounts() const {
  return !in(&Enemy8Sprite::updatebreakup) && !in(&Enemy8Sprite::updatedestroy) &&
         !in(&Enemy8Sprite::updatewait);
}

// Only a counting hit in the first pattern switches to the second; hits in the intro lower life
// and nothing more.
bool Enemy8Sprite::damage(int points) {
  if (!BossLifecycle::damage(points)) return false;
  if (life >= 1 && life <= kSecondPatternLife && in(&Enemy8Sprite::updatenormal)) {
    startSecondPattern();
  }
  return true;
}

// Every satellite starts its own break-up with the boss.
void Enemy8Sprite::destroy() {
  BossLifecycle::destroy();
  for (Enemy8childSprite* child : children) {
    if (child) child->destroy();
  }
}

const char* Enemy8Sprite::fightingStateName() const {
  if (in(&Enemy8Sprite::updatenormalintro)) return "updatenormalintro";
  if (in(&Enemy8Sprite::updatenormalintro2)) return "updatenormalintro2";
  if (in(&Enemy8Sprite::updatenormal2)) return "updatenormal2";
  return "updatenormal";
}

void Enemy8Sprite::updatenormalintro() {
  holdRing();
  if (++count > 60) {
    state = &Enemy8Sprite::updatenormalintro2;
    count = 0;
  }
}

void Enemy8Sprite::holdRing() {
  for (int i = 0; i < kSatellites; ++i) {
    Enemy8childSprite* s = children[static_cast<unsigned>(i)];
    if (!s) continue;
    const double a = neg_to_pos(i * kPi / 4.0 + angle);
    s->x = x + kRingRadius * gm::cos(a);
    s->y = y + kRingRadius * gm::sin(a);
    s->angle = a;
  }
}

void Enemy8Sprite::updatenormalintro2() {
  if (++count > 160) {
    state = &Enemy8Sprite::updatenormal;
    count = 0;
  }
}

void Enemy8Sprite::updatenormal() {
  angle = neg_to_pos(angle + 0.06);
  x = cx + 60 * gm::sin(angle);
  y = cy;
  if (count % 80 == 0) fireFan();
  giveOrder(count % kCycle);
  ++count;
}

// Nine pointed lasers spread from 6 left to 6 right, falling in widening arcs.
void Enemy8Sprite::fireFan() {
  Arena& arena = Arena::current();
  for (int i = 0; i < 9; ++i) {
    arena.fireEnemyShot(new EnemyLTLSprite(x, y, i * 1.5 - 6.0, 1.0, 0.0, 0.05));
  }
}

void Enemy8Sprite::giveOrder(int c) {
  switch (c) {
    case kCrossOrder: orderCross(); break;
    case kDropOrder: orderDrop(); break;
    case kCloseInOrder: orderCloseIn(); break;
    case kColumnOrder: orderColumns(); break;
    case kSideOrder: orderSides(); break;
    default: break;
  }
}

void Enemy8Sprite::orderCross() {
  const Rect& rc = Arena::current().field();
  const int w = rc.right;
  const int h = rc.bottom;
  for (int i = 0; i < kSatellites; ++i) {
    Enemy8childSprite* s = children[static_cast<unsigned>(i)];
    if (!s) continue;
    const bool fromLeft = i < kPairs;
    s->state = &Enemy8childSprite::upd_nrm1;
    s->x = fromLeft ? -40 : w + 40;
    s->y = fromLeft ? (2 * i + 1) * (h / 9) : (i - 3) * (h / 9) * 2;
    s->vx = fromLeft ? 8.0 : -8.0;
    s->vy = s->ax = s->ay = 0.0;
    s->angle = fromLeft ? kPi : 0.0;
  }
}

// Four mirrored pairs above the field, starting their drops one after another.
void Enemy8Sprite::orderDrop() {
  const int w = Arena::current().field().right;
  for (int i = 0; i < kPairs; ++i) {
    forPair(i, [&](Enemy8childSprite& s, bool mirrored) {
      s.state = &Enemy8childSprite::upd_nrm2con;
      s.count = 12 * i - 30;
      s.y = 100 * i - 320;
      s.vx = 0.0;
      s.ax = 0.0;
      const int offset = ((4 - i) * w) / 10;
      s.x = mirrored ? w / 2 + offset : w / 2 - offset;
    });
  }
}

// Each satellite takes its own direction of approach; it finds the ship in its next update.
void Enemy8Sprite::orderCloseIn() {
  for (int i = 0; i < kSatellites; ++i) {
    Enemy8childSprite* s = children[static_cast<unsigned>(i)];
    if (!s) continue;
    s->state = &Enemy8childSprite::upd_nrm3con;
    s->angle = i * kPi / 4.0 + kEighthPi;
  }
}

// Four mirrored pairs above the field, the outer pair aiming single stars, the middle pair
// aimed pointed lasers and the other two downward fans.
void Enemy8Sprite::orderColumns() {
  const int w = Arena::current().field().right;
  for (int i = 0; i < kPairs; ++i) {
    const Enemy8childSprite::State manoeuvre = i == 0   ? &Enemy8childSprite::upd_nrm4c
                                               : i == 2 ? &Enemy8childSprite::upd_nrm4b
                                                        : &Enemy8childSprite::upd_nrm4a;
    forPair(i, [&](Enemy8childSprite& s, bool mirrored) {
      s.state = manoeuvre;
      s.count = -10 * i;
      s.y = -80 * i - 80;
      s.vx = 0.0;
      s.ax = 0.0;
      const int offset = ((4 - i) * w) / 10;
      s.x = mirrored ? offset + w / 2 + 50 : w / 2 - offset - 50;
      s.connormal4();
    });
  }
}

// Pairs just outside both side edges, each heading for a home point just inside.
void Enemy8Sprite::orderSides() {
  const Rect& rc = Arena::current().field();
  for (int i = 0; i < kPairs; ++i) {
    forPair(i, [&](Enemy8childSprite& s, bool mirrored) {
      s.homey = s.y = (i + 1) * (rc.bottom / 5);
      s.state = &Enemy8childSprite::upd_nrm5intro;
      s.x = mirrored ? rc.right + 30 : rc.left - 30;
      s.homex = mirrored ? rc.right - 15 : rc.left + 15;
      s.angle = mirrored ? 0.0 : -kPi;
    });
  }
}

void Enemy8Sprite::startSecondPattern() {
  state = &Enemy8Sprite::updatenormal2;
  count = 0;
  for (Enemy8childSprite* s : children) {
    if (!s) continue;
    s->state = &Enemy8childSprite::upd_trans;
    s->count = 0;
  }
}

void Enemy8Sprite::updatenormal2() {
  angle = neg_to_pos(angle + 0.06);
  swingAlongU();
  if (count % 80 == 0) fireUpwardFan();
  if (count == kWingsComeIn) {
    callWingsIn();
  } else if (count == kWingsSettled) {
    settleWings();
  } else if (count > kWingsSettled) {
    rideWings();
  }
  ++count;
}

// For 100 frames the boss is pulled towards a point swinging along a U below and beside the
// sway's centre; then it takes up the first pattern's sway at once.
void Enemy8Sprite::swingAlongU() {
  if (count < kWingsComeIn) {
    x = (cx + 120 * gm::sin(angle) + 5 * x) / 6;
    y = (cy + 60 * gm::cos(2 * angle) + 5 * y) / 6;
  } else {
    x = cx + 60 * gm::sin(angle);
    y = cy;
  }
}

// Eleven pointed lasers thrown up and falling back, spread across and shifted by the sway.
void Enemy8Sprite::fireUpwardFan() {
  Arena& arena = Arena::current();
  for (int i = 0; i < 11; ++i) {
    arena.fireEnemyShot(new EnemyLTLSprite(x, y, gm::cos(angle) - 6.0 + 1.2 * i, -2.0, 0.0, 0.05));
  }
}

// Each satellite comes in from 800 pixels beyond its wing position, along the line from the sway's
// centre.
void Enemy8Sprite::callWingsIn() {
  for (int k = 0; k < kSatellites; ++k) {
    Enemy8childSprite* s = children[static_cast<unsigned>(k)];
    if (!s) continue;
    const WingOffset& wing = kWings[k];
    s->con2coming(cx + wing.dx, cy + wing.dy, kPi + gm::atan2(wing.dy, wing.dx));
    s->count = 0;
  }
  for (Enemy8childSprite* s : children) {
    if (s) s->state = &Enemy8childSprite::upd_2coming;
  }
}

void Enemy8Sprite::settleWings() {
  for (Enemy8childSprite* s : children) {
    if (!s) continue;
    s->angle = -kHalfPi;
    s->state = &Enemy8childSprite::upd_2nrm;
  }
}

// The wings follow the sway across; their heights stay where they arrived.
void Enemy8Sprite::rideWings() {
  for (int k = 0; k < kSatellites; ++k) {
    if (Enemy8childSprite* s = children[static_cast<unsigned>(k)]) s->x = x + kWings[k].dx;
  }
}
