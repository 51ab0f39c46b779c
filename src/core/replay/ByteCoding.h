#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Little-endian fixed-size numbers and LEB128 varints, written to the end of a byte string.
class ByteWriter {
 public:
  void u8(unsigned value) { bytes_.push_back(static_cast<char>(value & 0xFFu)); }
  void u16(std::uint32_t value) { fixed(value, 2); }
  void u32(std::uint32_t value) { fixed(value, 4); }
  void u64(std::uint64_t value) { fixed(value, 8); }
  void varint(std::uint64_t value);
  // Signed values folded so that small magnitudes of either sign stay short.
  void zigzag(std::int64_t value);
  void bytes(const std::string& raw) { bytes_ += raw; }

  const std::string& data() const { return bytes_; }
  std::string take() { return std::move(bytes_); }

 private:
  void fixed(std::uint64_t value, int size);
  std::string bytes_;
};

// Reads what ByteWriter wrote. Every read checks the bytes that remain: a read past the end, or an
// overlong or oversized varint, fails and leaves the reader failed, so a caller can read a whole
// record and check once.
class ByteReader {
 public:
  ByteReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

  bool u8(std::uint32_t& out);
  bool u16(std::uint32_t& out);
  bool u32(std::uint32_t& out);
  bool u64(std::uint64_t& out);
  // A varint of at most `maxBits` significant bits.
  bool varint(std::uint64_t& out, int maxBits = 64);
  bool zigzag(std::int64_t& out, int maxBits = 64);

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return size_ - position_; }
  bool failed() const { return failed_; }
  // Why the last read failed: the end came too soon, or a varint was malformed.
  bool endReached() const { return endReached_; }

 private:
  bool fixed(std::uint64_t& out, int size);
  bool fail(bool atEnd);

  const unsigned char* data_;
  std::size_t size_;
  std::size_t position_ = 0;
  bool failed_ = false;
  bool endReached_ = false;
};
