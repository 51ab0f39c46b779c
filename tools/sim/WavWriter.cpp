#include "WavWriter.h"

#include <array>

namespace {

// WAV is little-endian whatever the machine.
void put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool WavWriter::open(const std::filesystem::path& file, int sampleRate, std::string& error) {
  file_ = file;
  sampleRate_ = sampleRate;
  dataBytes_ = 0;
  out_.open(file, std::ios::binary);
  if (!out_) {
    error = "cannot write audio file " + file.string();
    return false;
  }
  header(0);
  return true;
}

void WavWriter::header(std::uint32_t dataBytes) {
  constexpr std::uint32_t kChannels = 1, kBits = 16;
  const auto rate = static_cast<std::uint32_t>(sampleRate_);
  out_.write("RIFF", 4);
  put(out_, 36 + dataBytes, 4);
  out_.write("WAVEfmt ", 8);
  put(out_, 16, 4);  // the format chunk's size
  put(out_, 1, 2);   // PCM
  put(out_, kChannels, 2);
  put(out_, rate, 4);
  put(out_, rate * kChannels * kBits / 8, 4);  // bytes per second
  put(out_, kChannels * kBits / 8, 2);         // bytes per sample
  put(out_, kBits, 2);
  out_.write("data", 4);
  put(out_, dataBytes, 4);
}

void WavWriter::write(const std::int16_t* samples, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) put(out_, static_cast<std::uint16_t>(samples[i]), 2);
  dataBytes_ += static_cast<std::uint32_t>(count * 2);
}

bool WavWriter::close(std::string& error) {
  if (!out_.is_open()) return true;
  out_.seekp(0);
  header(dataBytes_);
  out_.close();
  if (!out_) error = "cannot write audio file " + file_.string();
  return static_cast<bool>(out_);
}
