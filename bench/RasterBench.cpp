#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "RasterCanvas.h"
#include "game/PlayField.h"

namespace {

// What the title screen draws in one frame: menu, hint, highscore table.
void drawTitleFrame(RasterCanvas& canvas) {
  const Colorref white = rgb(255, 255, 255);
  canvas.clear();
  canvas.text(100, 100, "Kelvaron", white);
  canvas.rectangle(96, 196, 180, 222, rgb(0, 255, 0), std::nullopt);
  canvas.text(100, 200, "New Game", white);
  canvas.text(100, 250, "Continue", white);
  canvas.text(100, 300, "Quit", white);
  canvas.text(100, 400, "Use Arrow keys and Z key to select.", white);
  canvas.text(420, 150, "Highscores", white);
  canvas.text(420, 180, "Score", white);
  canvas.text(545, 180, "Lives", white);
  canvas.text(645, 180, "Date", white);
  for (int i = 0; i < 10; ++i) {
    const int y = 210 + 30 * i;
    canvas.text(420, y, "   012,345", white);
    canvas.text(545, y, "  2", white);
    canvas.text(645, y, "2026/12/06 09:00", white);
  }
}

void BM_TitleFrame(benchmark::State& state) {
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  for (auto _ : state) {
    drawTitleFrame(canvas);
    benchmark::DoNotOptimize(canvas.pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);

struct Shape {
  std::vector<Point> points;
  Colorref pen;
  Colorref brush;
};

struct Label {
  Point at;
  std::string text;
  Colorref color;
};

// A crowded battle: 2,000 star-shaped polygons of 4 to 16 points, 10 to 40 pixels across, and 200
// twenty-character labels, scattered over the field with a fixed seed.
struct StressScene {
  std::vector<Shape> shapes;
  std::vector<Label> labels;

  StressScene() {
    std::mt19937 random(20261206);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto below = [&](int n) { return static_cast<int>(unit(random) * n); };
    const auto colour = [&] { return rgb(below(256), below(256), below(256)); };
    for (int i = 0; i < 2000; ++i) {
      Shape shape;
      const int count = 4 + below(13);
      const double radius = (10.0 + 30.0 * unit(random)) / 2.0;
      const double cx = unit(random) * kFieldWidth;
      const double cy = unit(random) * kFieldHeight;
      for (int k = 0; k < count; ++k) {
        const double angle = (k + 0.8 * unit(random)) * 2.0 * 3.141592653589793 / count;
        const double r = radius * (0.5 + 0.5 * unit(random));
        shape.points.push_back({static_cast<int>(cx + r * std::cos(angle)),
                                static_cast<int>(cy + r * std::sin(angle))});
      }
      shape.pen = colour();
      shape.brush = colour();
      shapes.push_back(std::move(shape));
    }
    for (int i = 0; i < 200; ++i) {
      Label label;
      label.at = {below(kFieldWidth), below(kFieldHeight)};
      for (int k = 0; k < 20; ++k) label.text += static_cast<char>(32 + below(95));
      label.color = colour();
      labels.push_back(std::move(label));
    }
  }

  void draw(RasterCanvas& canvas) const {
    canvas.clear();
    for (const Shape& shape : shapes) canvas.polygon(shape.points, shape.pen, shape.brush);
    for (const Label& label : labels) canvas.text(label.at.x, label.at.y, label.text, label.color);
  }
};

void BM_StressFrame(benchmark::State& state) {
  const StressScene scene;
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  for (auto _ : state) {
    scene.draw(canvas);
    benchmark::DoNotOptimize(canvas.pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StressFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
