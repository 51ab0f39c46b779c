#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The values a replay stores every 100 frames and at its end, so that a replay that plays back
// differently can say where and in what.
struct Checkpoint {
  int level = 0;
  int score = 0;
  int lifecount = 0;
  int bombcount = 0;
  int bosslife = 0;
  double bossx = 0.0;
  double bossy = 0.0;
  double shipx = 0.0;
  double shipy = 0.0;
  std::uint32_t esl = 0;
  std::uint32_t psl = 0;
  std::uint32_t osl = 0;
  std::uint32_t random = 0;
};

// The names of the fields in which two checkpoints differ (doubles compared bit for bit).
std::vector<std::string> differingFields(const Checkpoint& expected, const Checkpoint& actual);

// One line naming every field and its value (doubles to the last bit), so that two recordings of
// a game can be compared line by line.
std::string describeCheckpoint(const Checkpoint& checkpoint);

// The eight controls of one frame, one bit each.
namespace control {
constexpr std::uint8_t kUp = 1u << 0;
constexpr std::uint8_t kDown = 1u << 1;
constexpr std::uint8_t kLeft = 1u << 2;
constexpr std::uint8_t kRight = 1u << 3;
constexpr std::uint8_t kButton1 = 1u << 4;  // Z: fire
constexpr std::uint8_t kButton2 = 1u << 5;  // X: bomb
constexpr std::uint8_t kButton3 = 1u << 6;  // Shift
constexpr std::uint8_t kButton4 = 1u << 7;  // Space
}  // namespace control

// `frames` frames in a row with the same controls held.
struct ControlRun {
  std::uint8_t controls = 0;
  std::uint32_t frames = 0;
};

// The clock read a new value: at the `read`-th reading since the game began (the 0th being the
// level set-up that begins it), `seconds` on.
struct ClockChange {
  std::uint32_t read = 0;
  std::int64_t seconds = 0;
};

// From frame `frame` on the play field is `width` by `height` (a window minimised or restored).
struct PlayFieldChange {
  std::uint32_t frame = 0;
  int width = 0;
  int height = 0;
};

enum class ReplayEnd : std::uint8_t { windowclosed = 0, gameover = 1, gamecleared = 2 };

// One recorded game: what it began with, every frame's controls, every clock reading that changed,
// and the checkpoints to verify it by.
struct ReplayFile {
  static constexpr std::uint32_t kVersion = 1;
  static constexpr std::uint32_t kCheckpointEvery = 100;

  int startlevel = 1;
  ReplayEnd end = ReplayEnd::windowclosed;
  bool keyXpressed = false;  // the bomb button was held when the game began
  bool invincible = false;   // the runner's test aid was on
  bool ranked = false;       // the game entered the highscore table
  int boxoffsety = 0;
  int width = 0;
  int height = 0;
  std::uint32_t random = 1;  // the generator's state before the first level's set-up
  std::int64_t clockstart = 0;
  std::uint32_t frames = 0;
  std::vector<ControlRun> controls;
  std::vector<ClockChange> clock;
  std::vector<PlayFieldChange> playfield;
  std::vector<Checkpoint> checkpoints;  // after frames 100, 200, ...
  Checkpoint final;                     // after the last frame
};

std::string encodeReplay(const ReplayFile& replay);

// Reads a replay and checks all of it: layout, every value's range, the sums of the runs, the
// checksum. On failure returns nothing and says what is wrong.
std::optional<ReplayFile> decodeReplay(const unsigned char* data, std::size_t size,
                                       std::string& error);
std::optional<ReplayFile> decodeReplay(const std::string& bytes, std::string& error);

// Reads and decodes a file; the error names the file.
std::optional<ReplayFile> loadReplay(const std::filesystem::path& file, std::string& error);
