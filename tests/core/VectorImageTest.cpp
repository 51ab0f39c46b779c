#include <gtest/gtest.h>

#include <limits>

#include "graphics/VectorImage.h"
#include "support/RecordingCanvas.h"

namespace {

class OnePoint : public VectorImage {
 public:
  OnePoint() : VectorImage(3, 0x111111, 0x222222) {
    set_xy(0, 0, -10);
    set_xy(1, 10.9, 0);
    set_xy(2, -10.9, 0);
  }
};

std::vector<Point> drawn(const VectorImage& image, double rotation, double scale) {
  RecordingCanvas canvas;
  image.draw(canvas, 0, 0, rotation, scale, kOwnColor, kOwnColor);
  return canvas.calls.at(0).points;
}

}  // namespace

TEST(VectorImage, RotationScaleAndTruncationTowardZero) {
  OnePoint image;
  EXPECT_EQ(drawn(image, 0, 1)[0], (Point{0, -10}));
  EXPECT_EQ(drawn(image, 1.570795, 1)[0], (Point{9, 0}));  // cos(-1e-6)*10 just under 10
  EXPECT_EQ(drawn(image, 0, 2)[0], (Point{0, -20}));
  EXPECT_EQ(drawn(image, 0, 0), (std::vector<Point>{{0, 0}, {0, 0}, {0, 0}}));
  EXPECT_EQ(drawn(image, 0, 1)[1], (Point{10, 0}));
  EXPECT_EQ(drawn(image, 0, 1)[2], (Point{-10, 0}));
}

// A position gone NaN is a fault upstream; debug builds stop before it reaches the canvas.
TEST(VectorImageDeathTest, NonFiniteDrawingArgumentsStopDebugBuilds) {
  OnePoint image;
  RecordingCanvas canvas;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_DEBUG_DEATH(image.draw(canvas, nan, 0, 0, 1, kOwnColor, kOwnColor), "isfinite");
  EXPECT_DEBUG_DEATH(image.draw(canvas, 0, inf, 0, 1, kOwnColor, kOwnColor), "isfinite");
  EXPECT_DEBUG_DEATH(image.draw(canvas, 0, 0, nan, 1, kOwnColor, kOwnColor), "isfinite");
  EXPECT_DEBUG_DEATH(image.draw(canvas, 0, 0, 0, nan, kOwnColor, kOwnColor), "isfinite");
}
