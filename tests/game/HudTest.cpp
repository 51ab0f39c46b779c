#include <tuple>

#include "GameTestSupport.h"
#include "game/Hud.h"

namespace {

TEST(LifeBar, OnePixelPerLifePointBlueYellowOrRedByLife) {
  Probe boss{"boss", 400, 100};
  RecordingCanvas canvas;
  // Life, bar colour and the bar's right edge.
  const std::tuple<int, Colorref, int> cases[] = {{100, 0xFF0000, 160}, {99, 0x00FFFF, 159},
                                                  {35, 0x00FFFF, 95},   {34, 0x0000FF, 94},
                                                  {0, 0x0000FF, 60},    {-7, 0x0000FF, 60}};
  for (const auto& [life, colour, right] : cases) {
    boss.life = life;
    canvas.clear();
    drawlife(canvas, &boss);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].text, "BOSS");
    EXPECT_EQ(canvas.calls[1].points, (std::vector<Point>{{60, 10}, {right, 28}})) << life;
    EXPECT_EQ(canvas.calls[1].brush, colour) << "life " << life;
  }
}

TEST(ScoreBox, ScoreInGroupsOfThreeShowingTwoDigitsOfMillions) {
  EXPECT_EQ(formatScore(0), "S:   000,000");
  EXPECT_EQ(formatScore(999999), "S:   999,999");
  EXPECT_EQ(formatScore(1000000), "S: 1,000,000");
  EXPECT_EQ(formatScore(123456789), "S:23,456,789");
}

class ScoreBoxFrames : public GameSceneTest {};

TEST_F(ScoreBoxFrames, ShipIsNearTheBoxOnlyLeftOf290AndBelowBottomMinus80) {
  const auto nearAt = [&](int x, int y) {
    world.psp = std::make_unique<PlayerSprite>(x, y);
    return nearScoreBox(world);
  };
  EXPECT_FALSE(nearAt(290, world.rc.bottom - 79));
  EXPECT_FALSE(nearAt(289, world.rc.bottom - 80));
  EXPECT_TRUE(nearAt(289, world.rc.bottom - 79));
}

}  // namespace
