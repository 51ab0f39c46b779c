// The sound made from the cues: every cue fits its length and stays below full scale, alone or all
// at once; the same cues give the same samples; and the cue limits keep a barrage to one sound.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "effects/BlastSprite.h"
#include "game/World.h"
#include "sound/AudioFormat.h"
#include "sound/CueRecipes.h"
#include "sound/FrameCues.h"
#include "sound/Mixer.h"
#include "sound/SoundBank.h"
#include "sound/SoundSwitch.h"
#include "support/RecordingCanvas.h"
#include "support/ScratchDirectory.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/OrbitingShot.h"
#include "weapons/Pulses.h"
#include "weapons/StraightLasers.h"
#include "weapons/Tracers.h"

namespace {

std::vector<SoundCue> everyCue() {
  std::vector<SoundCue> cues;
  for (std::size_t i = 0; i < kSoundCueCount; ++i) cues.push_back(static_cast<SoundCue>(i));
  return cues;
}

int peak(const std::vector<std::int16_t>& samples) {
  int loudest = 0;
  for (std::int16_t s : samples) loudest = std::max(loudest, std::abs(static_cast<int>(s)));
  return loudest;
}

const SoundBank& bank() {
  static const SoundBank shared;
  return shared;
}

}  // namespace

TEST(Sound, EveryCueSoundsWithinItsLengthAndBelowFullScale) {
  for (SoundCue cue : everyCue()) {
    SCOPED_TRACE(std::string(cueName(cue)));
    const auto length = static_cast<std::size_t>(std::ceil(recipeFor(cue).length() * kSampleRate));
    EXPECT_EQ(bank().samples(cue).size(), length);
    Mixer mixer(bank());
    mixer.play(cue);
    const std::vector<std::int16_t> heard = mixer.render(length);
    EXPECT_GT(peak(heard), 500) << "too quiet to hear";
    EXPECT_LT(peak(heard), 32767);
    EXPECT_EQ(mixer.active(), 0) << "still playing after its length";
    EXPECT_EQ(peak(mixer.render(kSamplesPerFrame)), 0);
  }
}

// The worst pile-up: every cue at once, twice over, at full volume.
TEST(Sound, EveryCueAtOnceIsLimitedBelowFullScale) {
  Mixer mixer(bank());
  for (int twice = 0; twice < 2; ++twice) {
    for (SoundCue cue : everyCue()) mixer.play(cue);
  }
  EXPECT_EQ(mixer.active(), Mixer::kVoices);
  const std::vector<std::int16_t> heard = mixer.render(2 * kSampleRate);
  EXPECT_GT(peak(heard), 16000);
  EXPECT_LE(peak(heard), static_cast<int>(Mixer::kCeiling));
}

// The most important cues keep their voices: a bomb is not pushed out by enemy fire.
TEST(Sound, ABusyMixerGivesVoicesToTheMoreImportantCues) {
  Mixer mixer(bank());
  for (int i = 0; i < Mixer::kVoices; ++i) mixer.play(SoundCue::bomb);
  mixer.play(SoundCue::volleyLaser);
  Mixer bombsOnly(bank());
  for (int i = 0; i < Mixer::kVoices; ++i) bombsOnly.play(SoundCue::bomb);
  EXPECT_EQ(mixer.render(kSampleRate), bombsOnly.render(kSampleRate));
}

namespace {

// FNV-1a over the samples, to compare a rendering with one made elsewhere.
std::uint32_t fingerprint(const std::vector<std::int16_t>& samples) {
  std::uint32_t hash = 2166136261u;
  for (std::int16_t s : samples) hash = (hash ^ static_cast<std::uint16_t>(s)) * 16777619u;
  return hash;
}

}  // namespace

// The same on every run, and on every platform: the Windows build under Wine checks the same
// fingerprint as the Linux build.
TEST(Sound, TheSameCuesGiveTheSameSamplesEveryRunAndPlatform) {
  const auto play = [] {
    const SoundBank ownBank;
    Mixer mixer(ownBank);
    std::vector<std::int16_t> all;
    for (SoundCue cue : everyCue()) {
      mixer.play(cue);
      const auto frame = mixer.render(5 * kSamplesPerFrame);
      all.insert(all.end(), frame.begin(), frame.end());
    }
    return all;
  };
  const std::vector<std::int16_t> first = play();
  EXPECT_EQ(first, play());
  EXPECT_EQ(fingerprint(first), 0xA0B7F50u) << std::hex << fingerprint(first);
}

TEST(Sound, VolumeAndMuteScaleTheOutput) {
  const auto loudness = [](int volume, bool muted) {
    Mixer mixer(bank());
    mixer.setVolume(volume);
    mixer.setMuted(muted);
    mixer.play(SoundCue::shipLost);
    return peak(mixer.render(kSampleRate / 2));
  };
  EXPECT_EQ(loudness(0, false), 0);
  EXPECT_EQ(loudness(100, true), 0);
  EXPECT_LT(loudness(50, false), loudness(100, false) / 2);
}

// A cue kind sounds once a frame, and the quick ones at most once every few frames: the laser held
// for 60 frames (a shot every third) and 200 shots of one kind in one frame.
TEST(Sound, CuesAreLimitedPerKindAndFrame) {
  FrameCues cues;
  int lasers = 0;
  for (int frame = 0; frame < 60; ++frame) {
    cues.beginFrame();
    if (frame % 3 == 0) cues.add(SoundCue::laser);
    lasers += cues.has(SoundCue::laser);
  }
  EXPECT_EQ(lasers, 7);  // every third shot

  cues.beginFrame();
  for (int shot = 0; shot < 200; ++shot) cues.add(SoundCue::volleyLaser);
  cues.add(SoundCue::bomb);
  EXPECT_EQ(cues.list(), (std::vector<SoundCue>{SoundCue::bomb, SoundCue::volleyLaser}));

  FrameCues silent;
  silent.setEnabled(false);
  silent.beginFrame();
  silent.add(SoundCue::bomb);
  EXPECT_TRUE(silent.empty());
}

// Each shot names the volley it sounds as it is fired, and an explosion its size: the white tracer
// flies like a straight laser but sounds as a tracer, the red bar that streams every frame of the
// level-2 barrage is silent, and the boss's last blasts are the loudest.
TEST(Sound, EachShotAndExplosionSoundsItsOwnCue) {
  using Make = MySprite* (*)();
  struct Row {
    const char* what;
    Make make;
    bool shot;
    std::vector<SoundCue> heard;
  };
  const std::vector<Row> rows = {
      {"green laser",
       []() -> MySprite* { return new EnemyLLSprite(0, 0, 0, 1); },
       true,
       {SoundCue::volleyLaser}},
      {"pellet",
       []() -> MySprite* { return new SmallLaserSprite(0, 0, 0, 1, 5, SmallLaserSprite::white); },
       true,
       {SoundCue::volleyLaser}},
      {"white tracer",
       []() -> MySprite* { return new WhiteTracerSprite(0, 0, 0, 1); },
       true,
       {SoundCue::volleyTracer}},
      {"homing tracer",
       []() -> MySprite* { return new PHSTracerSprite(0, 0, 1, 0); },
       true,
       {SoundCue::volleyTracer}},
      {"star",
       []() -> MySprite* { return new EnemyLaserSprite(0, 0, 0, 1); },
       true,
       {SoundCue::volleyStar}},
      {"plasma ball",
       []() -> MySprite* { return new PWLaserSprite(0, 0); },
       true,
       {SoundCue::volleyRapid}},
      {"red bar", []() -> MySprite* { return new RedRapidLaserSprite(0, 0, 0); }, true, {}},
      {"pulse",
       []() -> MySprite* { return new YSPulseSprite(0, 0, 0, 1); },
       true,
       {SoundCue::volleyPulse}},
      {"orbiter", []() -> MySprite* { return new CH7Sprite(0); }, true, {SoundCue::volleyOrbit}},
      {"break-up blast",
       []() -> MySprite* { return new BlastSprite(0, 0, 40); },
       false,
       {SoundCue::blastSmall}},
      {"lost ship",
       []() -> MySprite* { return new BlastSprite(0, 0, 50); },
       false,
       {SoundCue::blastLarge}},
      {"boss's last blast",
       []() -> MySprite* { return new BlastSprite(0, 0, 80); },
       false,
       {SoundCue::bossBlast}},
  };
  for (const Row& row : rows) {
    World world;
    world.initialize(1);  // the orbiter starts at the boss
    world.cues.beginFrame();
    if (row.shot) {
      world.fireEnemyShot(row.make());
    } else {
      world.addEffect(row.make());
    }
    EXPECT_EQ(world.cues.list(), row.heard) << row.what;
  }
}

// M: the new state shows for a moment and is kept between runs; no file (or a strange one) is on.
TEST(Sound, TheSwitchShowsItsStateForAMomentAndIsRemembered) {
  SoundSwitch sound;
  RecordingCanvas canvas;
  sound.drawNotice(canvas, Rect{0, 0, 794, 571});
  EXPECT_TRUE(canvas.calls.empty());
  sound.toggle();
  for (int frame = 0; frame < SoundSwitch::kNoticeFrames + 10; ++frame) {
    sound.drawNotice(canvas, Rect{0, 0, 794, 571});
  }
  ASSERT_EQ(canvas.calls.size(), static_cast<std::size_t>(SoundSwitch::kNoticeFrames));
  EXPECT_EQ(canvas.calls[0].text, "Sound off");

  ScratchDirectory scratch;
  const std::string file = (scratch.path() / "sound.txt").string();
  EXPECT_TRUE(readSoundOn(file));
  writeSoundOn(file, false);
  EXPECT_FALSE(readSoundOn(file));
  writeSoundOn(file, true);
  EXPECT_TRUE(readSoundOn(file));
}
