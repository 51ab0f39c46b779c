// The level-5 boss fires nothing: its picture turning, its arms unfolding and its cells glowing are
// what the player sees of it, and no replay checkpoint sees them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bosses/Enemy9.h"
#include "game/World.h"
#include "support/RecordingCanvas.h"

namespace {

constexpr int kX = 397;
constexpr int kY = 180;

double tipX(const VectorImage& segment) {
  double x = 0.0;
  segment.get_xy(0, 0.0, 1.0, &x, nullptr);
  return x;
}

std::vector<DrawCall> drawn(Enemy9Sprite& boss) {
  RecordingCanvas canvas;
  boss.draw(canvas);
  return canvas.calls;
}

class Enemy9 : public ::testing::Test {
 protected:
  void run(int frames) {
    for (int i = 0; i < frames; ++i) boss.update();
  }

  World world;
  Enemy9Sprite boss{kX, kY};
};

}  // namespace

// Back to front: nine arms (outer, inner), the body's outline, its nine cells.
TEST_F(Enemy9, FirstFrameIsDrawnTurnedBy0_005WithFoldedArms) {
  run(1);
  EXPECT_DOUBLE_EQ(boss.get_angle(), 0.005);
  const std::vector<DrawCall> calls = drawn(boss);
  ASSERT_EQ(calls.size(), 28u);
  for (std::size_t i = 0; i < 18; ++i) {  // every segment folded to no length
    const std::vector<Point>& s = calls[i].points;
    EXPECT_TRUE(s.size() == 4 && s[0] == s[3] && s[1] == s[2]) << "segment " << i;
  }
  EXPECT_EQ(calls[1].points, (std::vector<Point>{{465, 186}, {466, 174}, {466, 174}, {465, 186}}));
  // Unturned, the first corner would be at (467, 180) and the third at (409, 248).
  const std::vector<Point> outline = {{466, 180}, {450, 225}, {408, 248}, {361, 240}, {331, 203},
                                      {331, 155}, {362, 119}, {409, 111}, {450, 135}};
  EXPECT_EQ(calls[18].points, outline);
  EXPECT_EQ(calls[18].pen, Colorref{0x0000FF});
  EXPECT_EQ(calls[18].brush, Colorref{0xFF0000});
  for (std::size_t i = 19; i < 28; ++i) EXPECT_EQ(calls[i].points.size(), 10u) << i;
}

// From count 100 both segments of every arm climb one value a frame, 0.7 whole pixels a value; red
// cells light at 300 and go out from 400, yellow at 500 and 600, light blue from 700 for good.
TEST_F(Enemy9, ScriptUnfoldsTheArmsAndLightsTheCellsOnTheFrameCounter) {
  struct Check {
    int frames, value;
    double length;
    int color, dir;
  };
  const Check checks[] = {{100, 0, 0, 0, 0},    {103, 3, 2, 0, 0},     {200, 100, 70, 0, 0},
                          {301, 100, 70, 1, 1}, {401, 100, 70, 1, -1}, {501, 100, 70, 2, 1},
                          {701, 100, 70, 3, 1}, {2000, 100, 70, 3, 0}};
  int done = 0;
  for (const Check& check : checks) {
    run(check.frames - done);
    done = check.frames;
    const Enemy9Image& image = boss.get_image();
    for (int i = 0; i < 9; ++i) {
      SCOPED_TRACE("count " + std::to_string(check.frames) + ", arm and cell " + std::to_string(i));
      EXPECT_EQ(image.inner_position(i).current, check.value);
      EXPECT_EQ(image.outer_position(i).current, check.value);
      const double innerTip = tipX(image.arm(i).get_inner());
      EXPECT_NEAR(innerTip, check.length, 1e-9);
      EXPECT_NEAR(image.arm(i).reach() - innerTip, check.length, 1e-9);
      EXPECT_EQ(image.get_body().cell(i).get_color(), check.color);
      EXPECT_EQ(image.get_body().cell(i).get_glowdir(), check.dir);
    }
  }
  EXPECT_EQ(boss.get_count(), 2000);
}
