#include <gtest/gtest.h>

#include <algorithm>

#include "GameTestSupport.h"
#include "game/BlastSprite.h"

namespace {

class Blast : public GameSceneTest {};

TEST_F(Blast, FadesWhiteYellowRedBlack) {
  EXPECT_EQ(BlastSprite::colourAt(1), rgb(255, 255, 243));
  EXPECT_EQ(BlastSprite::colourAt(21), rgb(255, 255, 3));
  EXPECT_EQ(BlastSprite::colourAt(22), rgb(255, 247, 0));
  EXPECT_EQ(BlastSprite::colourAt(42), rgb(255, 7, 0));
  EXPECT_EQ(BlastSprite::colourAt(43), rgb(251, 0, 0));
  EXPECT_EQ(BlastSprite::colourAt(63), rgb(11, 0, 0));
}

// The widest extent of the disc drawn, from its centre.
int drawnRadius(const DrawCall& call, int centreX) {
  int widest = 0;
  for (const Point& p : call.points) widest = std::max(widest, std::abs(p.x - centreX));
  return widest;
}

TEST_F(Blast, GrowsFromRadiusOneToSixtyThreeThenGoes) {
  startLevel(1);
  world.requestAdd(world.addosprites, new BlastSprite(200, 200, 62));
  frame();  // lands in the list
  std::vector<DrawCall> drawn;
  for (int i = 0; i < 64; ++i) {
    frame();
    for (const DrawCall& call : canvas.ofKind(DrawCall::Kind::Polygon)) {
      if (call.points.size() == 20) drawn.push_back(call);
    }
  }
  // Ages 1 to 63; the frame in which it asks to go still shows it at 63.
  ASSERT_EQ(drawn.size(), 64u);
  EXPECT_EQ(world.osl.get_count(), 0);
  EXPECT_EQ(drawnRadius(drawn.front(), 200), 1);
  EXPECT_EQ(drawn.front().brush, rgb(255, 255, 243));
  EXPECT_EQ(drawn.front().pen, drawn.front().brush);
  EXPECT_EQ(drawnRadius(drawn.back(), 200), 63);
  EXPECT_EQ(drawn.back().brush, rgb(11, 0, 0));
}

}  // namespace
