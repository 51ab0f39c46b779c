#include <gtest/gtest.h>

#include <vector>

#include "BitmapFont.h"
#include "RasterPicture.h"

namespace {

using Points = std::vector<Point>;

struct Shape {
  Points points;
  bool pen;
  bool brush;
};

// Draws the shapes on paper and compares with the expected picture.
void expectShapes(int width, int height, const std::vector<Shape>& shapes, const char* expected) {
  RasterCanvas canvas(width, height);
  fillWithPaper(canvas);
  for (const Shape& s : shapes) {
    canvas.polygon(s.points, s.pen ? OptionalColor(kPen) : std::nullopt,
                   s.brush ? OptionalColor(kBrush) : std::nullopt);
  }
  EXPECT_EQ(picture(canvas), expected);
}

}  // namespace

TEST(RasterPolygon, PixelsFollowTheCornerRuleAndEvenOdd) {
  // Fill spans are half-open; the pen adds the right column and bottom row; a pen alone keeps the
  // inside.
  expectShapes(19, 6,
               {{{{1, 1}, {5, 1}, {5, 4}, {1, 4}}, false, true},
                {{{7, 1}, {11, 1}, {11, 4}, {7, 4}}, true, true},
                {{{13, 1}, {17, 1}, {17, 4}, {13, 4}}, true, false}},
               "\n+++++++++++++++++++\n+oooo++#####+#####+\n+oooo++#ooo#+#+++#+"
               "\n+oooo++#ooo#+#+++#+\n+++++++#####+#####+\n+++++++++++++++++++\n");
  // A pixel corner on a left edge is in, on a right edge out.
  expectShapes(9, 4,
               {{{{0, 0}, {4, 4}, {0, 4}}, false, true}, {{{9, 0}, {9, 4}, {5, 4}}, false, true}},
               "\n+++++++++\no+++++++o\noo+++++oo\nooo+++ooo\n");
  // Slanted edges: spans run between the crossings rounded up.
  expectShapes(8, 6, {{{{0, 0}, {7, 0}, {5, 6}, {3, 6}}, false, true}},
               "\nooooooo+\n+oooooo+\n+oooooo+\n++oooo++\n++oooo++\n+++ooo++\n");
  // The outline over the fill, each segment without its last pixel.
  expectShapes(8, 6, {{{{0, 0}, {6, 2}, {2, 5}}, true, true}},
               "\n##++++++\n#o###+++\n+#ooo##+\n+#oo##++\n++##++++\n++#+++++\n");
  // Even-odd: a self-crossing outline fills both lobes, an inner loop the same way is a hole.
  expectShapes(7, 6, {{{{0, 0}, {6, 6}, {6, 0}, {0, 6}}, false, true}},
               "\n+++++++\no++++o+\noo++oo+\noooooo+\noo++oo+\no++++o+\n");
  expectShapes(9, 9,
               {{{{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}, {2, 2}, {6, 2}, {6, 6}, {2, 6}, {2, 2}},
                 false,
                 true}},
               "\noooooooo+\noooooooo+\noo++++oo+\noo++++oo+\noo++++oo+\noo++++oo+\noooooooo+"
               "\noooooooo+\n+++++++++\n");
  // Two points: the segment there and back, both ends in; collinear points: no inside.
  expectShapes(7, 3, {{{{1, 0}, {5, 2}}, true, true}}, "\n+##++++\n+++##++\n+++++#+\n");
  expectShapes(5, 5, {{{{0, 0}, {2, 2}, {4, 4}}, true, true}},
               "\n#++++\n+#+++\n++#++\n+++#+\n++++#\n");
}

TEST(RasterRectangle, PenCoversLeftToRightMinusOneAndWithoutPenTheFillIsOneSmaller) {
  RasterCanvas canvas(21, 6);
  fillWithPaper(canvas);
  canvas.rectangle(1, 1, 6, 5, kPen, kBrush);
  canvas.rectangle(13, 5, 8, 1, std::nullopt, kBrush);  // corners in any order
  canvas.rectangle(18, 1, 14, 4, kPen, std::nullopt);
  canvas.rectangle(19, 1, 20, 5, kPen, kBrush);
  EXPECT_EQ(picture(canvas),
            "\n+++++++++++++++++++++\n+#####++oooo++####+#+\n+#ooo#++oooo++#++#+#+"
            "\n+#ooo#++oooo++####+#+\n+#####+++++++++++++#+\n+++++++++++++++++++++\n");
  RasterCanvas clipped(5, 4);
  clipped.rectangle(-5, -5, 3, 3, kPen, kBrush);
  clipped.rectangle(4, 2, 100000, kMax, kPen, kBrush);
  EXPECT_EQ(picture(clipped), "\noo#..\noo#..\n###.#\n....#\n");
  clipped.rectangle(kMin, kMin, kMax, kMax, kPen, kBrush);
  EXPECT_EQ(picture(clipped), "\nooooo\nooooo\nooooo\nooooo\n");
}

TEST(RasterLine, EndPointLeftOutAndHalfwayGoesToTheSmallerCoordinate) {
  struct LineCase {
    const char* rule;
    int width, height;
    Point from, to;
    const char* expected;
  };
  for (const LineCase& c : std::vector<LineCase>{
           {"end left out", 7, 2, {1, 0}, {5, 0}, "\n.####..\n.......\n"},
           {"tie at (2, 0.5): row 0", 5, 2, {0, 0}, {4, 1}, "\n###..\n...#.\n"},
           {"tie at (2, 0.5): row 0, reversed", 5, 2, {4, 1}, {0, 0}, "\n.##..\n...##\n"},
           {"tie at (0.5, 2): column 0", 2, 5, {0, 0}, {1, 4}, "\n#.\n#.\n#.\n.#\n..\n"},
           {"tie at (0.5, 2): column 0, reversed", 2, 5, {1, 4}, {0, 0}, "\n..\n#.\n#.\n.#\n.#\n"},
           {"shallow", 8, 3, {0, 0}, {7, 2}, "\n##......\n..####..\n......#.\n"},
           {"steep", 3, 6, {2, 0}, {0, 5}, "\n..#\n..#\n.#.\n.#.\n#..\n...\n"},
           {"int range end to end", 4, 3, {kMin, 1}, {kMax, 1}, "\n....\n####\n....\n"},
       }) {
    RasterCanvas canvas(c.width, c.height);
    canvas.line(c.from, c.to, kPen);
    EXPECT_EQ(picture(canvas), c.expected) << c.rule;
  }
}

TEST(RasterClipping, DrawingsWhollyOffTheSurfaceOrEmptyLeaveItBlack) {
  RasterCanvas canvas(6, 5);
  canvas.polygon(Points{}, kPen, kBrush);
  canvas.polygon(Points{{2, 2}}, kPen, kBrush);
  canvas.line({2, 2}, {2, 2}, kPen);
  canvas.rectangle(3, 1, 3, 5, kPen, kBrush);
  canvas.rectangle(1, 2, 5, 2, kPen, kBrush);
  canvas.rectangle(1, 1, 2, 2, kPen, kBrush);  // a 1 x 1 box: its outline has no length
  canvas.rectangle(1, 1, 2, 2, std::nullopt, kBrush);
  for (const auto& [from, to] : std::vector<std::pair<Point, Point>>{
           {{-1, 0}, {-1, 5}}, {{6, 5}, {6, -1}}, {{0, -1}, {6, -1}}, {{6, 5}, {-1, 5}}}) {
    canvas.line(from, to, kPen);  // just off each edge
  }
  canvas.text(kMin, kMin, "BOSS", kPen);
  canvas.text(kMax, 0, "BOSS", kPen);
  canvas.text(0, kMax - 3, "BOSS", kPen);
  canvas.text(-bitmap_font::textWidth("BOSS"), 0, "BOSS", kPen);
  canvas.setViewportOrigin(kMax, kMax);  // pushes everything past the int range
  canvas.polygon(Points{{0, 0}, {kMax, 0}, {0, kMax}}, kPen, kBrush);
  canvas.rectangle(0, 0, kMax, kMax, kPen, kBrush);
  canvas.line({0, 0}, {kMax, kMax}, kPen);
  canvas.text(0, 0, "GAME OVER", kPen);
  EXPECT_EQ(picture(canvas), picture(RasterCanvas(6, 5)));
}

TEST(RasterViewport, OriginShiftsEveryKindOfDrawingExactlyEvenBeyondTheIntRange) {
  const auto draw = [](RasterCanvas& c, int x, int y) {
    c.polygon(Points{{x + 1, y + 4}, {x + 9, y + 6}, {x + 4, y + 12}}, kPen, kBrush);
    c.rectangle(x + 10, y + 10, x + 15, y + 18, kPen, kBrush);
    c.line({x, y + 19}, {x + 12, y + 15}, kPen);
    c.text(x, y + 2, "Hi", kPen);
  };
  // From an origin of kMax, kMin + a lands on a - 1.
  for (const auto& [origin, base, shift] : std::vector<std::tuple<Point, int, Point>>{
           {{3, -2}, 0, {3, -2}}, {{kMax, kMax}, kMin, {-1, -1}}}) {
    RasterCanvas shifted(20, 20);
    shifted.setViewportOrigin(origin.x, origin.y);
    draw(shifted, base, base);
    RasterCanvas direct(20, 20);
    draw(direct, shift.x, shift.y);
    EXPECT_EQ(picture(shifted), picture(direct)) << origin.x;
  }
}
