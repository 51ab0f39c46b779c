#include "weapons/Tracers.h"

#include "math/GameMath.h"
#include "sprites/Arena.h"

// The white tracer.

const WhiteTracerImage& WhiteTracerSprite::img() {
  static const WhiteTracerImage image;
  return image;
}

WhiteTracerSprite::WhiteTracerSprite(double startX, double startY, double velocityX,
                                     double velocityY)
    : StraightLaserSprite(startX, startY, velocityX, velocityY, hitsize),
      angle(gm::atan2(vy, vx)) {}

void WhiteTracerSprite::update() {
  StraightLaserSprite::update();
  angle = gm::atan2(vy, vx);
  Arena& arena = Arena::current();
  arena.addEffect(new WhiteTracerTrailSprite(x, y, angle));
}

void WhiteTracerSprite::draw(Canvas& canvas) { img().draw(canvas, x, y, angle, 1.0); }

// The homing tracer.

const PHSTracerImage& PHSTracerSprite::img() {
  static const PHSTracerImage image;
  return image;
}

PHSTracerSprite::PHSTracerSprite(double startX, double startY, double startSpeed, double th)
    : EnemyShotSprite(startX, startY, startSpeed * gm::cos(th), startSpeed * gm::sin(th), hitsize),
      speed(startSpeed),
      angle(th) {}

void PHSTracerSprite::update() {
  x += vx;
  y += vy;
  // Drawn the way it flew this frame, before it turns.
  angle = gm::atan2(vy, vx);
  turnTowardsShip();
  ++age;
  if (age % 2 == 1) {
    Arena& arena = Arena::current();
    arena.addEffect(new PHSTracerTrailSprite(x, y, angle));
  }
  leaveWhenOutside(kMargin);
}

// Pulls the velocity towards the ship, then scales it back to the tracer's speed. Right on the
// ship's centre there is no direction to pull in, and a pull that stops the tracer dead leaves no
// direction to fly in: either way it flies on as it was for this frame.
void PHSTracerSprite::turnTowardsShip() {
  const MySprite& ship = Arena::current().ship();
  const double dx = x - ship.get_x();
  const double dy = y - ship.get_y();
  const double d = gm::sqrt(dx * dx + dy * dy);
  const double pull = age <= kPullFrames ? (kPullFrames - age) / 225.0 : 0.0;
  if (d == 0) return;
  const double pulledX = vx - pull * dx / d;
  const double pulledY = vy - pull * dy / d;
  const double s = gm::sqrt(pulledX * pulledX + pulledY * pulledY);
  if (s == 0) return;
  vx = speed * pulledX / s;
  vy = speed * pulledY / s;
}

void PHSTracerSprite::draw(Canvas& canvas) { img().draw(canvas, x, y, angle, 1.0); }

// The after-images.

template <class Image>
void TracerTrailSprite<Image>::update() {
  if (!image.fade(0.05)) return;
  Arena& arena = Arena::current();
  arena.removeEffect(this);
}

template class TracerTrailSprite<WhiteTracerImage>;
template class TracerTrailSprite<PHSTracerImage>;
