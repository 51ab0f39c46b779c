#pragma once

// SDL's video and joystick subsystems for the life of the program. Video is required; without a
// joystick subsystem the game plays from the keyboard alone.
class SdlSystem {
 public:
  // Throws std::runtime_error with SDL's reason when there is no video (no display).
  SdlSystem();
  ~SdlSystem();
  SdlSystem(const SdlSystem&) = delete;
  SdlSystem& operator=(const SdlSystem&) = delete;
};
