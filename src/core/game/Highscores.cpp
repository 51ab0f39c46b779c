#include "game/Highscores.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <istream>
#include <system_error>

namespace {

// Reads one line into `line`; false at the end of the file. The line feed (and a carriage return
// before it, from a table edited on Windows) is not part of the line. A line longer than `limit` is
// consumed whole but reported through `tooLong`, so a damaged file cannot make us hold it in
// memory.
bool readLine(std::istream& in, std::string& line, std::size_t limit, bool& tooLong) {
  line.clear();
  tooLong = false;
  bool any = false;
  for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
    any = true;
    if (c == '\n') break;
    if (line.size() <= limit)
      line.push_back(static_cast<char>(c));
    else
      tooLong = true;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > limit) tooLong = true;
  return any;
}

const char* skipBlanks(const char* p, const char* end) {
  while (p < end && (*p == ' ' || *p == '\t')) ++p;
  return p;
}

template <typename Int>
bool parseNumber(const char*& p, const char* end, Int& out) {
  p = skipBlanks(p, end);
  if (p < end && *p == '+') ++p;
  auto [next, ec] = std::from_chars(p, end, out);
  if (ec != std::errc()) return false;
  p = skipBlanks(next, end);
  return true;
}

}  // namespace

bool HighscoreTable::parseLine(const std::string& line, Highscore& out) {
  const char* p = line.data();
  const char* end = p + line.size();
  Highscore h;
  if (!parseNumber(p, end, h.score) || p == end || *p++ != ',') return false;
  if (!parseNumber(p, end, h.lives) || p == end || *p++ != ',') return false;
  if (!parseNumber(p, end, h.date) || p != end) return false;
  out = h;
  return true;
}

std::string HighscoreTable::formatLine(const Highscore& h) {
  return std::to_string(h.score) + "," + std::to_string(h.lives) + "," + std::to_string(h.date) +
         "\n";
}

void HighscoreTable::load(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  read(in);
}

void HighscoreTable::read(std::istream& in) {
  std::string line;
  for (int i = 0; i < kShown; ++i) {
    Highscore h;  // an empty slot unless the line holds a good record
    bool tooLong = false;
    if (in && readLine(in, line, kLongestLine, tooLong) && !tooLong) parseLine(line, h);
    records_.insert(h);
  }
}

bool HighscoreTable::save(const std::filesystem::path& file, std::string* error) const {
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  std::string contents;
  for (const Highscore& h : best(kShown)) {
    if (h.score < 0) break;
    contents += formatLine(h);
  }
  auto fail = [&](const std::string& why) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    if (error) *error = why;
    return false;
  };
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
      return fail(std::string("cannot create ") + temporary.string() + ": " + std::strerror(errno));
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out)
      return fail(std::string("cannot write ") + temporary.string() + ": " + std::strerror(errno));
  }
  std::error_code ec;
  std::filesystem::rename(temporary, file, ec);
  if (ec) return fail("cannot replace " + file.string() + ": " + ec.message());
  return true;
}

// Only the ten shown are kept: a program left running for many games holds no more than the file.
// Among equal scores the earliest goes first, as it is shown last.
void HighscoreTable::record(int score, int lives, std::int64_t date) {
  records_.insert(Highscore{score, lives, date});
  while (records_.size() > static_cast<std::size_t>(kShown)) records_.erase(records_.begin());
}

std::vector<Highscore> HighscoreTable::best(std::size_t count) const {
  std::vector<Highscore> result;
  for (auto it = records_.rbegin(); it != records_.rend() && result.size() < count; ++it) {
    result.push_back(*it);
  }
  return result;
}
