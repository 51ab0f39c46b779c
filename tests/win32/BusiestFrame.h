#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Canvas.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "shell/Session.h"

// One frame's drawing, call by call, to be drawn again into any canvas.
class FrameRecording final : public Canvas {
 public:
  void polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) override {
    calls_.push_back([shape = std::vector<Point>(points.begin(), points.end()), pen,
                      brush](Canvas& c) { c.polygon(shape, pen, brush); });
  }
  void rectangle(int l, int t, int r, int b, OptionalColor pen, OptionalColor brush) override {
    calls_.push_back([=](Canvas& c) { c.rectangle(l, t, r, b, pen, brush); });
  }
  void line(Point from, Point to, Colorref pen) override {
    calls_.push_back([=](Canvas& c) { c.line(from, to, pen); });
  }
  void text(int x, int y, std::string_view text, Colorref color) override {
    calls_.push_back([=, words = std::string(text)](Canvas& c) { c.text(x, y, words, color); });
  }
  void setViewportOrigin(int x, int y) override {
    calls_.push_back([=](Canvas& c) { c.setViewportOrigin(x, y); });
  }

  void drawInto(Canvas& canvas) const {
    for (const auto& call : calls_) call(canvas);
  }
  std::size_t calls() const { return calls_.size(); }

 private:
  std::vector<std::function<void(Canvas&)>> calls_;
};

// Counts a frame's drawing calls and draws nothing.
class CallCounter final : public Canvas {
 public:
  void polygon(std::span<const Point>, OptionalColor, OptionalColor) override { ++calls; }
  void rectangle(int, int, int, int, OptionalColor, OptionalColor) override { ++calls; }
  void line(Point, Point, Colorref) override { ++calls; }
  void text(int, int, std::string_view, Colorref) override { ++calls; }
  void setViewportOrigin(int, int) override {}
  std::size_t calls = 0;
};

// The busiest frame (the most drawing calls) of the golden replay of a level, recorded. Empty when
// the replay cannot be read.
inline FrameRecording busiestFrameOfLevel(int level) {
  const std::string path = KELVARON_GOLDEN_DIR "/level" + std::to_string(level) + ".kvr";
  std::string error;
  const auto replay = loadReplay(path, error);
  FrameRecording busiest;
  if (!replay) return busiest;
  // Played twice: once to find the frame, once to record it.
  std::uint32_t busiestFrame = 0;
  std::size_t mostCalls = 0;
  for (const bool recording : {false, true}) {
    Session session;
    World& world = session.world;
    ReplayPlayer player(*replay);
    player.start(world);
    while (!player.finished()) {
      const std::uint32_t frame = player.played();
      CallCounter counter;
      player.beforeFrame(world);
      if (recording && frame == busiestFrame) {
        update(session, busiest);
        break;
      }
      update(session, counter);
      player.afterFrame(world);
      if (counter.calls > mostCalls) {
        mostCalls = counter.calls;
        busiestFrame = frame;
      }
    }
  }
  return busiest;
}
