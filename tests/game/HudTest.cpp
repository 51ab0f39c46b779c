#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "game/Hud.h"

namespace {

// --- The life bar -------------------------------------------------------------------------------

class LifeBar : public ::testing::Test {
 protected:
  void drawWithLife(int life) {
    boss.life = life;
    canvas.clear();
    drawlife(canvas, &boss);
  }
  const DrawCall& bar() const { return canvas.calls.at(1); }

  FakeBoss boss{400, 100};
  RecordingCanvas canvas;
};

TEST_F(LifeBar, LabelThenOnePixelPerLifePoint) {
  drawWithLife(100);
  ASSERT_EQ(canvas.calls.size(), 2u);
  EXPECT_EQ(canvas.calls[0].text, "BOSS");
  EXPECT_EQ(canvas.calls[0].points.front(), (Point{10, 10}));
  EXPECT_EQ(canvas.calls[0].colour, Colorref{0xFFFFFF});
  EXPECT_EQ(bar().kind, DrawCall::Kind::Rectangle);
  EXPECT_EQ(bar().points, (std::vector<Point>{{60, 10}, {160, 28}}));
  EXPECT_EQ(bar().pen, Colorref{0xFFFFFF});
}

TEST_F(LifeBar, ColourByLife) {
  const std::vector<std::pair<int, Colorref>> cases = {
      {100, 0xFF0000}, {99, 0x00FFFF}, {35, 0x00FFFF}, {34, 0x0000FF}, {0, 0x0000FF}};
  for (const auto& [life, colour] : cases) {
    drawWithLife(life);
    EXPECT_EQ(bar().brush, colour) << "life " << life;
  }
  drawWithLife(0);
  EXPECT_EQ(bar().points, (std::vector<Point>{{60, 10}, {60, 28}}));
}

TEST_F(LifeBar, LifeBelowZeroDrawsAnEmptyBar) {
  drawWithLife(-7);
  EXPECT_EQ(bar().points, (std::vector<Point>{{60, 10}, {60, 28}}));
}

// --- The texts of the box -----------------------------------------------------------------------

TEST(ScoreBox, ScoreInGroupsOfThree) {
  EXPECT_EQ(formatScore(0), "S:   000,000");
  EXPECT_EQ(formatScore(999999), "S:   999,999");
  EXPECT_EQ(formatScore(1000000), "S: 1,000,000");
  EXPECT_EQ(formatScore(123456789), "S:23,456,789");
  EXPECT_EQ(formatScore(25000), "S:   025,000");
}

TEST(ScoreBox, CountsFitTwoCharacters) {
  EXPECT_EQ(formatCount(0), " 0");
  EXPECT_EQ(formatCount(7), " 7");
  EXPECT_EQ(formatCount(99), "99");
  EXPECT_EQ(formatCount(100), "99");
  EXPECT_EQ(formatCount(12345), "99");
}

// --- Drawing and sliding the box ----------------------------------------------------------------

class ScoreBoxFrames : public GameSceneTest {
 protected:
  void placeShip(int x, int y) {
    world.psp = std::make_unique<PlayerSprite>(x, y);
    canvas.clear();
  }
  int bottom() const { return world.rc.bottom; }
};

TEST_F(ScoreBoxFrames, BoxContentsInPlace) {
  startLevel(1);
  world.score = 425000;
  drawscores(world, canvas);
  // Origin set, symbol, lives, bomb symbol, bombs, score, origin reset: nothing slid.
  const std::vector<DrawCall> texts = canvas.ofKind(DrawCall::Kind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, " 2");
  EXPECT_EQ(texts[0].points.front(), (Point{45, bottom() - 35}));
  EXPECT_EQ(texts[1].text, " 2");
  EXPECT_EQ(texts[1].points.front(), (Point{110, bottom() - 35}));
  EXPECT_EQ(texts[2].text, "S:   425,000");
  EXPECT_EQ(texts[2].points.front(), (Point{140, bottom() - 35}));
  for (const DrawCall& text : texts) EXPECT_EQ(text.colour, Colorref{0xFFFFFF});

  const std::vector<DrawCall> shapes = canvas.ofKind(DrawCall::Kind::Polygon);
  ASSERT_EQ(shapes.size(), 2u);  // the life symbol without its hit-point marker, the bomb
  EXPECT_EQ(shapes[0].points[0], (Point{30, bottom() - 45}));  // nose 14.8 above the centre
  EXPECT_EQ(shapes[0].brush, Colorref{0x00A0A0});
  EXPECT_EQ(shapes[1].brush, Colorref{0x5A5A5A});
  EXPECT_EQ(canvas.origin(), (Point{0, 0}));
}

TEST_F(ScoreBoxFrames, NegativeCountsShowNoNumber) {
  startLevel(1);
  world.lifecount = -1;
  world.bombcount = -1;
  drawscores(world, canvas);
  const std::vector<std::string> texts = canvas.texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], "S:   000,000");
  EXPECT_EQ(canvas.count(DrawCall::Kind::Polygon), 2u);
}

TEST_F(ScoreBoxFrames, ShipNearTheBoxOnlyLeftOf290AndBelowBottomMinus80) {
  startLevel(1);
  placeShip(290, bottom() - 79);
  EXPECT_FALSE(nearScoreBox(world));
  placeShip(289, bottom() - 80);
  EXPECT_FALSE(nearScoreBox(world));
  placeShip(289, bottom() - 79);
  EXPECT_TRUE(nearScoreBox(world));
}

TEST_F(ScoreBoxFrames, BoxSlidesDownWhileACopyRisesAtTheRight) {
  startLevel(1);
  placeShip(100, bottom() - 10);
  for (int i = 0; i < 60; ++i) drawscores(world, canvas);
  EXPECT_EQ(world.boxoffsety, 50);
  canvas.clear();
  world.boxoffsety = 19;
  drawscores(world, canvas);
  EXPECT_EQ(world.boxoffsety, 20);
  const std::vector<DrawCall> origins = canvas.ofKind(DrawCall::Kind::Origin);
  ASSERT_EQ(origins.size(), 4u);
  EXPECT_EQ(origins[0].points.front(), (Point{0, 20}));
  EXPECT_EQ(origins[1].points.front(), (Point{0, 0}));
  EXPECT_EQ(origins[2].points.front(), (Point{world.rc.right - 240, 30}));
  EXPECT_EQ(origins[3].points.front(), (Point{0, 0}));
  const std::vector<DrawCall> scores = canvas.ofKind(DrawCall::Kind::Text);
  ASSERT_EQ(scores.size(), 6u);  // the box twice
  EXPECT_EQ(scores[2].origin, (Point{0, 20}));
  EXPECT_EQ(scores[5].origin, (Point{world.rc.right - 240, 30}));

  placeShip(400, 100);  // away again: one pixel back up per frame
  for (int i = 0; i < 20; ++i) drawscores(world, canvas);
  EXPECT_EQ(world.boxoffsety, 0);
  drawscores(world, canvas);
  EXPECT_EQ(world.boxoffsety, 0);
}

}  // namespace
