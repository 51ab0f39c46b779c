#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

// Writes mono 16-bit PCM as a WAV file, streaming: the header's sizes are filled in at close.
class WavWriter {
 public:
  bool open(const std::filesystem::path& file, int sampleRate, std::string& error);
  void write(const std::int16_t* samples, std::size_t count);
  bool close(std::string& error);
  bool isOpen() const { return out_.is_open(); }

 private:
  void header(std::uint32_t dataBytes);

  std::filesystem::path file_;
  std::ofstream out_;
  int sampleRate_ = 0;
  std::uint32_t dataBytes_ = 0;
};
