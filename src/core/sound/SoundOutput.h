#pragma once

#include <cstddef>
#include <cstdint>

#include "sound/Mixer.h"
#include "sound/SoundBank.h"
#include "sound/SoundSwitch.h"

class Canvas;
class FrameCues;
struct Rect;

// The game's sound as every program plays it: each frame's cues start on the mixer, M turns the
// sound off and on with its notice on the play field, and the program's device pulls the samples.
// What differs between programs is only how the samples reach the speakers, which the device's
// hooks carry out.
class SoundOutput {
 public:
  // The program's side of the sound. Each hook does nothing unless the program needs it.
  class Device {
   public:
    virtual ~Device() = default;
    // Around every change to the mixer, for a device whose own thread pulls the samples.
    virtual void lock() {}
    virtual void unlock() {}
    // After each frame's cues have started, for a device the game feeds itself.
    virtual void frameDone() {}
    // M's new choice, for a program that keeps it between runs.
    virtual void switched(bool /*on*/) {}
  };

  // `volume` 0 to 100; `device` may be given later (the device usually owns this sound).
  SoundOutput(bool on, int volume, Device* device = nullptr);
  SoundOutput(const SoundOutput&) = delete;
  SoundOutput& operator=(const SoundOutput&) = delete;
  void setDevice(Device* device) { device_ = device ? device : &silent_; }

  // After each update: M's notice drawn over the frame, the frame's cues started.
  void frame(const FrameCues& cues, Canvas& canvas, const Rect& field);
  // M: sound off or on again.
  void toggle();
  bool on() const { return switch_.on(); }

  // The next `count` samples, for the device (under its own lock where it has one).
  void render(std::int16_t* out, std::size_t count) { mixer_.render(out, count); }

 private:
  class Locked;

  SoundBank bank_;
  Mixer mixer_{bank_};
  SoundSwitch switch_;
  Device* device_;
  Device silent_;  // the device when none is given: nothing to lock or feed
};
