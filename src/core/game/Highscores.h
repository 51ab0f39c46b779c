#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <set>
#include <string>
#include <vector>

// One finished game. A score of -1 marks an empty slot.
struct Highscore {
  int score = -1;
  int lives = 0;
  std::int64_t date = 0;  // seconds since 1970
};

// Ordered by score alone, so that equal scores keep their order of insertion.
inline bool operator<(const Highscore& a, const Highscore& b) { return a.score < b.score; }

// The table of finished games, kept in "highscores.csv": up to ten lines of "score,lives,date",
// best first.
class HighscoreTable {
 public:
  static constexpr int kShown = 10;
  static constexpr std::size_t kLongestLine = 49;

  // Reads the first ten lines of the file; each line that is missing or damaged becomes an empty
  // slot, so the table always holds at least ten records afterwards.
  void load(const std::filesystem::path& file);
  // The same from a stream of the file's bytes.
  void read(std::istream& in);

  // Writes the best ten real records through a temporary file renamed over the old one, so a
  // crash or a full disk never leaves a damaged table. On failure the old file stays and the
  // reason is returned in `error`.
  bool save(const std::filesystem::path& file, std::string* error = nullptr) const;

  // Adds a finished game; the table keeps the best ten, so the worst record (or empty slot) goes.
  void record(int score, int lives, std::int64_t date);

  // Records from the best down, among equal scores the latest first.
  std::vector<Highscore> best(std::size_t count) const;
  std::vector<Highscore> all() const { return best(records_.size()); }
  std::size_t size() const { return records_.size(); }

  // Parses "score,lives,date" (whitespace around the numbers allowed); false for anything else.
  static bool parseLine(const std::string& line, Highscore& out);
  static std::string formatLine(const Highscore& h);

 private:
  std::multiset<Highscore> records_;
};
