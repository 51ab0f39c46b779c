#include <gtest/gtest.h>

#include "game/World.h"
#include "math/Angles.h"
#include "sprites/HitTest.h"
#include "sprites/Stack.h"

namespace {

// A sprite that counts its own destruction.
class Probe : public MyHitSprite {
 public:
  explicit Probe(int* destroyed = nullptr, double x = 0, double y = 0, int hit = 0)
      : destroyed_(destroyed), x_(x), y_(y), hit_(hit) {}
  ~Probe() override {
    if (destroyed_) ++*destroyed_;
  }
  void draw(Canvas&) override {}
  void update() override {}
  double get_x() const override { return x_; }
  double get_y() const override { return y_; }
  int get_hitsize() const override { return hit_; }

 private:
  int* destroyed_;
  double x_;
  double y_;
  int hit_;
};

}  // namespace

TEST(Stack, RefusesThePushBeyondItsCapacityAndPopsLastFirst) {
  Stack<int> stack(300);
  for (int i = 0; i < 300; ++i) ASSERT_TRUE(stack.push(i));
  EXPECT_FALSE(stack.push(300));
  EXPECT_EQ(stack.size(), 300);
  int value = -1;
  ASSERT_TRUE(stack.pop(value));
  EXPECT_EQ(value, 299);
  Stack<int> empty(3);
  EXPECT_FALSE(empty.pop(value));
  EXPECT_EQ(empty.size(), 0);
}

TEST(DeferredRequests, AnAddRefusedByAFullStackDeletesTheSprite) {
  World world;
  int destroyed = 0;
  for (int i = 0; i < World::kStackCapacity; ++i) world.requestAdd(world.addosprites, new Probe);
  world.requestAdd(world.addosprites, new Probe(&destroyed));
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(world.stacks_dropped, 1);
  for (MySprite* s = nullptr; world.addosprites.pop(s);) world.osl.push_last(s);
}

TEST(DeferredRequests, ADestroyedSpriteLeavesNoStaleDeleteRequest) {
  World world;
  auto* gone = new Probe;
  world.esl.push_last(gone);
  world.requestDelete(world.delesprites, gone);
  world.requestDelete(world.delesprites, gone);
  world.esl.delete_last();  // e.g. a bomb clears the list before the commit
  EXPECT_EQ(world.delesprites.size(), 0);
}

TEST(HitTest, TouchingAtExactlyTheSumCounts) {
  Probe a(nullptr, 0, 0, 0);
  Probe b(nullptr, 0, 0, 0);
  EXPECT_TRUE(testhit(&a, &b));  // same place, radii 0
  Probe c(nullptr, 10, 0, 4);
  Probe d(nullptr, 4, 0, 2);
  EXPECT_TRUE(testhit(&c, &d));
  Probe e(nullptr, 10.001, 0, 4);
  EXPECT_FALSE(testhit(&e, &d));
  Probe f(nullptr, 3, 4, 2);
  Probe g(nullptr, 0, 0, 3);
  EXPECT_TRUE(testhit(&f, &g));
}

// Angles are brought into one turn and compared the short way round by the game's own 2π.
TEST(Angles, WrapByWholeTurnsAndTakeTheShortWayRound) {
  EXPECT_DOUBLE_EQ(neg_to_pos(3.14159), 3.14159);
  EXPECT_DOUBLE_EQ(neg_to_pos(4.0), 4.0 - 6.28318);
  EXPECT_DOUBLE_EQ(neg_to_pos(-10.0), -10.0 + 6.28318 + 6.28318);
  EXPECT_DOUBLE_EQ(nearer_from(3.0, -3.0), -3.0 + 6.28318);
  EXPECT_DOUBLE_EQ(nearer_from(-3.0, 3.0), 3.0 - 6.28318);
  EXPECT_DOUBLE_EQ(nearer_from(0.0, 3.0), 3.0);
}
