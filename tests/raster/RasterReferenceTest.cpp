#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "RasterPicture.h"

namespace {

void expectPolygonAsReference(int w, int h, const std::vector<Point>& points) {
  for (const bool pen : {false, true}) {
    RasterCanvas canvas(w, h);
    canvas.polygon(points, pen ? OptionalColor(kPen) : std::nullopt,
                   pen ? std::nullopt : OptionalColor(kBrush));
    std::string expected = picture(RasterCanvas(w, h));
    raster_reference::polygon(expected, w, h, points, pen, !pen);
    ASSERT_EQ(picture(canvas), expected) << (pen ? "outline" : "fill");
  }
}

}  // namespace

// Small shapes on the surface, shapes over its edges, shapes wider than 64 pixels, short and long
// segments take different paths through the renderer; all must light the reference's pixels.
TEST(RasterReference, PolygonsFillAndOutlineAsTheRulesSay) {
  std::mt19937 random(1234);
  std::uniform_int_distribution<int> count(2, 10);
  for (const auto& [w, h, low, high] : std::vector<std::array<int, 4>>{
           {24, 20, 0, 19}, {24, 20, -8, 30}, {16, 16, -12, 60}, {100, 12, -2, 101}}) {
    std::uniform_int_distribution<int> x(low, high);
    std::uniform_int_distribution<int> y(low * h / w, high * h / w);
    for (int round = 0; round < 300; ++round) {
      std::vector<Point> points(static_cast<std::size_t>(count(random)));
      for (Point& p : points) p = {x(random), y(random)};
      SCOPED_TRACE(testing::Message() << w << "x" << h << " round " << round);
      expectPolygonAsReference(w, h, points);
    }
  }
  for (const std::vector<Point>& huge :
       std::vector<std::vector<Point>>{{{-1000000, -1000000}, {1000000, -999990}, {3, 1000000}},
                                       {{-1000000, 5}, {11, -1000000}, {8, 1000000}, {1000000, 3}},
                                       {{kMin, kMin}, {kMax, 0}, {5, kMax}},
                                       {{kMin, 7}, {kMax, 4}, {kMin, kMax}, {kMax, kMin}},
                                       {{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}}}) {
    expectPolygonAsReference(12, 12, huge);
  }
  for (int width = 1; width <= 70; ++width) {  // spans of every length, on both sides of 64
    expectPolygonAsReference(74, 3, {{2, 1}, {2 + width, 1}, {2 + width, 2}, {2, 2}});
  }
}

TEST(RasterReference, LinesOnAndOffTheSurfaceUpToTheWholeIntRange) {
  std::vector<std::pair<Point, Point>> lines = {
      {{-1000000, -3}, {1000000, 17}}, {{1000000, 16}, {-1000000, -4}},
      {{5, -1000000}, {12, 1000000}},  {{-1000000, -1000000}, {1000001, 1000000}},
      {{999983, 7}, {-999979, 3}},     {{kMin, kMin}, {kMax, kMax}},
      {{kMin, kMax}, {kMax, kMin}},    {{kMin, 3}, {kMax, 8}},
      {{kMin, -7}, {40, kMax}}};
  std::mt19937 random(99);
  std::uniform_int_distribution<int> far(-40, 55);
  std::uniform_int_distribution<int> nearX(0, 19);
  std::uniform_int_distribution<int> nearY(0, 14);
  const auto point = [&](bool near) {
    return near ? Point{nearX(random), nearY(random)} : Point{far(random), far(random)};
  };
  for (int i = 0; i < 1200; ++i) lines.emplace_back(point(i % 4 != 0), point(i % 2 == 0));
  for (const auto& [a, b] : lines) {
    RasterCanvas canvas(20, 15);
    canvas.line(a, b, kPen);
    std::string expected = picture(RasterCanvas(20, 15));
    raster_reference::line(expected, 20, 15, a, b);
    ASSERT_EQ(picture(canvas), expected) << a.x << "," << a.y << " -> " << b.x << "," << b.y;
  }
}
