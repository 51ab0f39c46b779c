#include <gtest/gtest.h>

#include <sstream>

#include "InputTimeline.h"

namespace {

std::optional<InputTimeline> parse(const std::string& text, std::string* error = nullptr) {
  std::istringstream in(text);
  std::string message;
  auto timeline = InputTimeline::parse(in, message);
  if (error) *error = message;
  return timeline;
}

}  // namespace

TEST(InputTimeline, EachLineHoldsExactlyItsControlsFromItsFrameOn) {
  auto timeline = parse("# fly left and fire\n\n10 left,z\n20 -\r\n30 space\n");
  ASSERT_TRUE(timeline);
  EXPECT_TRUE(timeline->heldAt(0).empty());
  EXPECT_TRUE(timeline->heldAt(9).empty());
  EXPECT_EQ(timeline->heldAt(10), (std::set<Key>{Key::Left, Key::Z}));
  EXPECT_EQ(timeline->heldAt(19), (std::set<Key>{Key::Left, Key::Z}));
  EXPECT_TRUE(timeline->heldAt(25).empty());
  EXPECT_EQ(timeline->heldAt(1000000), (std::set<Key>{Key::Space}));
}

TEST(InputTimeline, LinesNeedNotBeInOrderAndTheLastForAFrameWins) {
  auto timeline = parse("50 x\n0 up,down,left,right,z,x,shift,space\n50 shift\n");
  ASSERT_TRUE(timeline);
  EXPECT_EQ(timeline->heldAt(0).size(), 8u);
  EXPECT_EQ(timeline->heldAt(50), (std::set<Key>{Key::Shift}));
}

TEST(InputTimeline, BadLinesAreRefusedWithTheirLineNumber) {
  std::string error;
  EXPECT_FALSE(parse("0 -\n5 up,jump\n", &error));
  EXPECT_NE(error.find("input line 2"), std::string::npos);
  EXPECT_NE(error.find("jump"), std::string::npos);
  EXPECT_FALSE(parse("x1 up\n", &error));
  EXPECT_NE(error.find("not a frame number"), std::string::npos);
  EXPECT_FALSE(parse("-3 up\n", &error));
  EXPECT_FALSE(parse("3\n", &error));
  EXPECT_FALSE(parse("3 up down\n", &error));
  EXPECT_FALSE(parse("3 up,\n", &error));
}
