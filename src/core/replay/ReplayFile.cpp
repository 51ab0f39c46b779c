#include "replay/ReplayFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include "replay/ByteCoding.h"
#include "replay/Crc32.h"

namespace {

constexpr char kMagic[8] = {'K', 'V', 'R', 'P', 'L', 'A', 'Y', '\0'};
constexpr std::size_t kHeaderSize = 34;
constexpr std::size_t kChecksumSize = 4;
constexpr std::uint32_t kFlagKeyX = 1u << 0;
constexpr std::uint32_t kFlagInvincible = 1u << 1;
constexpr std::uint32_t kFlagRanked = 1u << 2;
constexpr std::uint32_t kKnownFlags = kFlagKeyX | kFlagInvincible | kFlagRanked;
// The fewest bytes each entry can take, so a count can be checked before anything is kept.
constexpr std::size_t kSmallestRun = 2;
constexpr std::size_t kSmallestClockChange = 2;
constexpr std::size_t kSmallestPlayFieldChange = 3;
constexpr std::size_t kSmallestCheckpoint = 44;
// A replay of a game played for a whole day is about 10 MB; anything far bigger is no replay.
constexpr std::uintmax_t kLargestFile = 64u << 20;

// Copied bit for bit (the browser build's library has no std::bit_cast).
std::uint64_t bitsOf(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double doubleOf(std::uint64_t bits) {
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void writeCheckpoint(ByteWriter& out, const Checkpoint& c) {
  out.zigzag(c.level);
  out.zigzag(c.score);
  out.zigzag(c.lifecount);
  out.zigzag(c.bombcount);
  out.zigzag(c.bosslife);
  out.u64(bitsOf(c.bossx));
  out.u64(bitsOf(c.bossy));
  out.u64(bitsOf(c.shipx));
  out.u64(bitsOf(c.shipy));
  out.varint(c.esl);
  out.varint(c.psl);
  out.varint(c.osl);
  out.u32(c.random);
}

// Reads the replay's parts in order; the first fault found ends the reading with its message.
class Decoder {
 public:
  // `data` starts with the magic, already checked.
  Decoder(const unsigned char* data, std::size_t size) : in_(data, size), data_(data) {
    std::uint64_t magic = 0;
    in_.u64(magic);
  }

  std::optional<ReplayFile> run(std::string& error);

 private:
  bool header();
  bool controlRuns();
  bool clockChanges();
  bool playFieldChanges();
  bool checkpoints();
  bool checkpoint(Checkpoint& c, const char* what);
  bool checksum();

  bool count(std::uint64_t& n, std::uint64_t most, std::size_t smallest, const char* what);
  bool damaged(const std::string& why) {
    error_ = "damaged: " + why;
    return false;
  }
  bool ended(const char* what) {
    if (!in_.endReached()) return damaged(std::string("malformed number in ") + what);
    error_ = std::string("truncated: the file ends inside ") + what;
    return false;
  }
  bool int32(int& out, const char* what) {
    std::int64_t value = 0;
    if (!in_.zigzag(value, 32)) return ended(what);
    out = static_cast<int>(value);
    return true;
  }

  ByteReader in_;
  const unsigned char* data_;
  ReplayFile replay_;
  std::string error_;
};

// A count larger than the section can ever hold is damage; one that the bytes left cannot hold is
// a file cut short. Either way it is refused before anything is kept.
bool Decoder::count(std::uint64_t& n, std::uint64_t most, std::size_t smallest, const char* what) {
  if (!in_.varint(n, 32)) return ended(what);
  if (n > most) {
    return damaged(std::to_string(n) + " entries in " + what + " of a game of " +
                   std::to_string(replay_.frames) + " frames");
  }
  const std::size_t room = in_.remaining() < kChecksumSize ? 0 : in_.remaining() - kChecksumSize;
  if (n > room / smallest) {
    error_ = "truncated: the file ends before the " + std::to_string(n) + " entries of " + what;
    return false;
  }
  return true;
}

bool Decoder::header() {
  std::uint32_t version = 0, level = 0, end = 0, flags = 0, box = 0, width = 0, height = 0;
  std::uint64_t clock = 0;
  in_.u16(version);
  if (version != ReplayFile::kVersion) {
    error_ = "unknown replay version " + std::to_string(version) + " (this program reads version " +
             std::to_string(ReplayFile::kVersion) + ")";
    return false;
  }
  in_.u8(level);
  in_.u8(end);
  in_.u8(flags);
  in_.u8(box);
  in_.u16(width);
  in_.u16(height);
  in_.u32(replay_.random);
  in_.u64(clock);
  in_.u32(replay_.frames);
  if (in_.failed()) return ended("the header");
  if (level < 1 || level > 5) return damaged("start level " + std::to_string(level));
  if (end > 2) return damaged("end " + std::to_string(end));
  if ((flags & ~kKnownFlags) != 0) return damaged("unknown flags " + std::to_string(flags));
  if (box > 50) return damaged("score box offset " + std::to_string(box));
  replay_.startlevel = static_cast<int>(level);
  replay_.end = static_cast<ReplayEnd>(end);
  replay_.keyXpressed = (flags & kFlagKeyX) != 0;
  replay_.invincible = (flags & kFlagInvincible) != 0;
  replay_.ranked = (flags & kFlagRanked) != 0;
  replay_.boxoffsety = static_cast<int>(box);
  replay_.width = static_cast<int>(width);
  replay_.height = static_cast<int>(height);
  replay_.clockstart = static_cast<std::int64_t>(clock);
  return true;
}

bool Decoder::controlRuns() {
  std::uint64_t n = 0;
  if (!count(n, replay_.frames, kSmallestRun, "the control runs")) return false;
  std::uint64_t frames = 0;
  for (std::uint64_t i = 0; i < n; ++i) {
    std::uint32_t controls = 0;
    std::uint64_t length = 0;
    in_.u8(controls);
    if (!in_.varint(length, 32)) return ended("the control runs");
    if (length == 0) return damaged("a control run of no frames");
    frames += length;
    replay_.controls.push_back(
        {static_cast<std::uint8_t>(controls), static_cast<std::uint32_t>(length)});
  }
  if (frames != replay_.frames) {
    return damaged("the control runs cover " + std::to_string(frames) +
                   " frames, the header says " + std::to_string(replay_.frames));
  }
  return true;
}

bool Decoder::clockChanges() {
  std::uint64_t n = 0;
  if (!count(n, UINT32_MAX, kSmallestClockChange, "the clock changes")) return false;
  std::uint64_t read = 0;
  std::int64_t seconds = replay_.clockstart;
  for (std::uint64_t i = 0; i < n; ++i) {
    std::uint64_t readDelta = 0;
    std::int64_t secondsDelta = 0;
    in_.varint(readDelta, 32);
    if (!in_.zigzag(secondsDelta, 40)) return ended("the clock changes");
    if (readDelta == 0 || secondsDelta == 0) return damaged("a clock change that changes nothing");
    read += readDelta;
    if (read > UINT32_MAX) return damaged("clock readings beyond counting");
    if ((secondsDelta > 0 && seconds > INT64_MAX - secondsDelta) ||
        (secondsDelta < 0 && seconds < INT64_MIN - secondsDelta)) {
      return damaged("a clock reading out of range");
    }
    seconds += secondsDelta;
    replay_.clock.push_back({static_cast<std::uint32_t>(read), seconds});
  }
  return true;
}

bool Decoder::playFieldChanges() {
  std::uint64_t n = 0;
  if (!count(n, replay_.frames, kSmallestPlayFieldChange, "the play field changes")) return false;
  std::int64_t frame = -1;
  for (std::uint64_t i = 0; i < n; ++i) {
    std::uint64_t delta = 0, width = 0, height = 0;
    in_.varint(delta, 32);
    in_.varint(width, 16);
    if (!in_.varint(height, 16)) return ended("the play field changes");
    frame += static_cast<std::int64_t>(delta);
    if (delta == 0 || frame >= replay_.frames) {
      return damaged("a play field change at frame " + std::to_string(frame));
    }
    replay_.playfield.push_back(
        {static_cast<std::uint32_t>(frame), static_cast<int>(width), static_cast<int>(height)});
  }
  return true;
}

bool Decoder::checkpoint(Checkpoint& c, const char* what) {
  std::uint64_t bits[4] = {};
  std::uint64_t lists[3] = {};
  if (!int32(c.level, what) || !int32(c.score, what) || !int32(c.lifecount, what) ||
      !int32(c.bombcount, what) || !int32(c.bosslife, what)) {
    return false;
  }
  for (std::uint64_t& b : bits) in_.u64(b);
  for (std::uint64_t& l : lists) in_.varint(l, 32);
  if (!in_.u32(c.random)) return ended(what);
  c.bossx = doubleOf(bits[0]);
  c.bossy = doubleOf(bits[1]);
  c.shipx = doubleOf(bits[2]);
  c.shipy = doubleOf(bits[3]);
  c.esl = static_cast<std::uint32_t>(lists[0]);
  c.psl = static_cast<std::uint32_t>(lists[1]);
  c.osl = static_cast<std::uint32_t>(lists[2]);
  return true;
}

bool Decoder::checkpoints() {
  std::uint64_t n = 0;
  const std::uint64_t due = replay_.frames / ReplayFile::kCheckpointEvery;
  if (!count(n, due, kSmallestCheckpoint, "the checkpoints")) return false;
  if (n != due)
    return damaged(std::to_string(n) + " checkpoints for " + std::to_string(replay_.frames) +
                   " frames");
  for (std::uint64_t i = 0; i < n; ++i) {
    Checkpoint c;
    if (!checkpoint(c, "the checkpoints")) return false;
    replay_.checkpoints.push_back(c);
  }
  return checkpoint(replay_.final, "the final checkpoint");
}

bool Decoder::checksum() {
  const std::size_t covered = in_.position();
  std::uint32_t stored = 0;
  if (!in_.u32(stored)) {
    error_ = "truncated: the checksum is missing";
    return false;
  }
  if (in_.remaining() > 0) {
    error_ = std::to_string(in_.remaining()) + " bytes of trailing garbage after the checksum";
    return false;
  }
  const std::uint32_t computed = crc32(data_, covered);
  if (stored != computed) {
    char text[96];
    std::snprintf(text, sizeof text, "checksum mismatch (stored %08x, computed %08x)", stored,
                  computed);
    return damaged(text);
  }
  return true;
}

std::optional<ReplayFile> Decoder::run(std::string& error) {
  const bool ok = header() && controlRuns() && clockChanges() && playFieldChanges() &&
                  checkpoints() && checksum();
  if (!ok) {
    error = error_;
    return std::nullopt;
  }
  return std::move(replay_);
}

}  // namespace

std::string encodeReplay(const ReplayFile& replay) {
  ByteWriter out;
  out.bytes(std::string(kMagic, sizeof kMagic));
  out.u16(ReplayFile::kVersion);
  out.u8(static_cast<unsigned>(replay.startlevel));
  out.u8(static_cast<unsigned>(replay.end));
  out.u8((replay.keyXpressed ? kFlagKeyX : 0) | (replay.invincible ? kFlagInvincible : 0) |
         (replay.ranked ? kFlagRanked : 0));
  out.u8(static_cast<unsigned>(replay.boxoffsety));
  out.u16(static_cast<std::uint32_t>(replay.width));
  out.u16(static_cast<std::uint32_t>(replay.height));
  out.u32(replay.random);
  out.u64(static_cast<std::uint64_t>(replay.clockstart));
  out.u32(replay.frames);
  out.varint(replay.controls.size());
  for (const ControlRun& run : replay.controls) {
    out.u8(run.controls);
    out.varint(run.frames);
  }
  out.varint(replay.clock.size());
  std::uint32_t read = 0;
  std::int64_t seconds = replay.clockstart;
  for (const ClockChange& change : replay.clock) {
    out.varint(change.read - read);
    out.zigzag(change.seconds - seconds);
    read = change.read;
    seconds = change.seconds;
  }
  out.varint(replay.playfield.size());
  std::int64_t frame = -1;
  for (const PlayFieldChange& change : replay.playfield) {
    out.varint(static_cast<std::uint64_t>(change.frame - frame));
    out.varint(static_cast<std::uint64_t>(change.width));
    out.varint(static_cast<std::uint64_t>(change.height));
    frame = change.frame;
  }
  out.varint(replay.checkpoints.size());
  for (const Checkpoint& c : replay.checkpoints) writeCheckpoint(out, c);
  writeCheckpoint(out, replay.final);
  const std::string& body = out.data();
  out.u32(crc32(reinterpret_cast<const unsigned char*>(body.data()), body.size()));
  return out.take();
}

std::optional<ReplayFile> decodeReplay(const unsigned char* data, std::size_t size,
                                       std::string& error) {
  if (size == 0) {
    error = "the file is empty";
    return std::nullopt;
  }
  const std::size_t compared = size < sizeof kMagic ? size : sizeof kMagic;
  if (std::memcmp(data, kMagic, compared) != 0) {
    error = "not a Kelvaron replay (wrong magic)";
    return std::nullopt;
  }
  if (size < kHeaderSize) {
    error = "truncated: " + std::to_string(size) + " bytes, shorter than a replay's header";
    return std::nullopt;
  }
  return Decoder(data, size).run(error);
}

std::optional<ReplayFile> decodeReplay(const std::string& bytes, std::string& error) {
  return decodeReplay(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), error);
}

std::optional<ReplayFile> loadReplay(const std::filesystem::path& file, std::string& error) {
  const auto fail = [&](const std::string& why) {
    error = file.string() + ": " + why;
    return std::nullopt;
  };
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (ec || !std::filesystem::exists(status)) {
    return fail("cannot open: " + (ec ? ec.message() : std::string("no such file")));
  }
  if (std::filesystem::is_directory(status)) return fail("is a directory, not a replay");
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec) return fail("cannot read: " + ec.message());
  if (size > kLargestFile)
    return fail("too large to be a replay (" + std::to_string(size) + " bytes)");
  std::ifstream in(file, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    return fail(std::string("cannot read: ") + std::strerror(errno));
  }
  std::string why;
  auto replay = decodeReplay(bytes, why);
  if (!replay) return fail(why);
  return replay;
}

std::vector<std::string> differingFields(const Checkpoint& e, const Checkpoint& a) {
  std::vector<std::string> fields;
  const auto check = [&](bool same, const char* name) {
    if (!same) fields.emplace_back(name);
  };
  check(e.level == a.level, "level");
  check(e.score == a.score, "score");
  check(e.lifecount == a.lifecount, "lifecount");
  check(e.bombcount == a.bombcount, "bombcount");
  check(e.bosslife == a.bosslife, "boss life");
  check(bitsOf(e.bossx) == bitsOf(a.bossx), "boss x");
  check(bitsOf(e.bossy) == bitsOf(a.bossy), "boss y");
  check(bitsOf(e.shipx) == bitsOf(a.shipx), "ship x");
  check(bitsOf(e.shipy) == bitsOf(a.shipy), "ship y");
  check(e.esl == a.esl, "esl");
  check(e.psl == a.psl, "psl");
  check(e.osl == a.osl, "osl");
  check(e.random == a.random, "random");
  return fields;
}

std::string describeCheckpoint(const Checkpoint& c) {
  char text[400];
  std::snprintf(text, sizeof text,
                "level=%d score=%d lifecount=%d bombcount=%d bosslife=%d bossx=%.17g bossy=%.17g "
                "shipx=%.17g shipy=%.17g esl=%u psl=%u osl=%u random=%u",
                c.level, c.score, c.lifecount, c.bombcount, c.bosslife, c.bossx, c.bossy, c.shipx,
                c.shipy, static_cast<unsigned>(c.esl), static_cast<unsigned>(c.psl),
                static_cast<unsigned>(c.osl), static_cast<unsigned>(c.random));
  return text;
}
