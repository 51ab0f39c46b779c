#include "sound/SoundOutput.h"

#include "sound/FrameCues.h"

// Holds the device's lock for a change to the mixer.
class SoundOutput::Locked {
 public:
  explicit Locked(Device& device) : device_(device) { device_.lock(); }
  ~Locked() { device_.unlock(); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  Device& device_;
};

SoundOutput::SoundOutput(bool on, int volume, Device* device)
    : switch_(on), device_(device ? device : &silent_) {
  mixer_.setVolume(volume);
  mixer_.setMuted(!on);
}

void SoundOutput::frame(const FrameCues& cues, Canvas& canvas, const Rect& field) {
  switch_.drawNotice(canvas, field);
  if (!cues.empty()) {
    const Locked locked(*device_);
    mixer_.play(cues);
  }
  device_->frameDone();
}

void SoundOutput::toggle() {
  switch_.toggle();
  {
    const Locked locked(*device_);
    mixer_.setMuted(!switch_.on());
  }
  device_->switched(switch_.on());
}
