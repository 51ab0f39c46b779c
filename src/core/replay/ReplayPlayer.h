#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/ControlSource.h"
#include "replay/ReplayFile.h"
#include "timing/Clock.h"

class World;

// The first place where a replay and its playback part: the frame of the checkpoint and the
// fields that differ there.
struct Desync {
  std::uint32_t frame = 0;
  bool final = false;  // the final checkpoint, after the last frame
  std::vector<std::string> fields;

  std::string describe() const;
};

// Plays a recorded game back into a World: the recorded controls frame by frame (as held with the
// window in front), the recorded clock readings, the play field's size; and checks each checkpoint
// against the game. The player must outlive the World's use of it.
class ReplayPlayer {
 public:
  explicit ReplayPlayer(ReplayFile replay);
  ReplayPlayer(const ReplayPlayer&) = delete;
  ReplayPlayer& operator=(const ReplayPlayer&) = delete;

  // Puts a fresh World where the recorded game began and sets up its first level. The World then
  // records no replay and keeps its highscores in memory only.
  void start(World& world);

  // Around each frame's update(world, canvas).
  void beforeFrame(World& world);
  void afterFrame(const World& world);

  bool finished() const { return played_ >= replay_.frames; }
  std::uint32_t played() const { return played_; }
  const ReplayFile& replay() const { return replay_; }
  // The first checkpoint that did not match, if any so far.
  const std::optional<Desync>& desync() const { return desync_; }

 private:
  class Controls final : public ControlSource {
   public:
    void hold(std::uint8_t controls) { held_ = controls; }
    bool keyHeld(Key key) const override;
    int joystickDeviceCount() const override { return 0; }
    std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }

   private:
    std::uint8_t held_ = 0;
  };

  // Answers the game's clock readings in the order they were recorded.
  class RecordedClock final : public Clock {
   public:
    explicit RecordedClock(const ReplayFile& replay) : replay_(replay) {}
    std::int64_t now() const override;

   private:
    const ReplayFile& replay_;
    mutable std::uint32_t reads_ = 0;
    mutable std::size_t next_ = 0;
    mutable std::int64_t seconds_ = 0;
  };

  void check(const Checkpoint& expected, const World& world, bool final);

  ReplayFile replay_;
  Controls controls_;
  RecordedClock clock_{replay_};
  std::uint32_t played_ = 0;
  std::size_t run_ = 0;
  std::uint32_t usedOfRun_ = 0;
  std::size_t playfield_ = 0;
  std::optional<Desync> desync_;
};
