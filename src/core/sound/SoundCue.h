#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Something a player should hear. The order is the order in which one frame's cues are listed.
enum class SoundCue {
  laser,          // the ship fired
  bossHit,        // the boss took a hit
  lifeBarColour,  // the boss's life bar changed colour
  blastSmall,     // a small explosion (the boss breaking up)
  blastLarge,     // a ship-sized explosion
  bossBlast,      // the boss's own large explosions
  bomb,
  shipLost,
  shipBack,   // a new ship after a loss
  extraShip,  // 200,000 more points
  levelCleared,
  gameOver,
  gameCleared,
  menuMove,
  menuChoice,
  // Enemy fire, one cue per kind of shot however many were fired.
  volleyStar,    // spinning star lasers
  volleyLaser,   // pointed lasers
  volleyRapid,   // accelerating lasers
  volleyTracer,  // tracers
  volleyPulse,   // pulses
  volleyOrbit,   // orbiting shots
};

inline constexpr std::size_t kSoundCueCount = static_cast<std::size_t>(SoundCue::volleyOrbit) + 1;

inline constexpr std::size_t cueIndex(SoundCue cue) { return static_cast<std::size_t>(cue); }

inline constexpr std::array<std::string_view, kSoundCueCount> kSoundCueNames = {
    "laser",        "bossHit",     "lifeBarColour", "blastSmall", "blastLarge",   "bossBlast",
    "bomb",         "shipLost",    "shipBack",      "extraShip",  "levelCleared", "gameOver",
    "gameCleared",  "menuMove",    "menuChoice",    "volleyStar", "volleyLaser",  "volleyRapid",
    "volleyTracer", "volleyPulse", "volleyOrbit",
};

inline constexpr std::string_view cueName(SoundCue cue) { return kSoundCueNames[cueIndex(cue)]; }
