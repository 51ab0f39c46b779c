#include "replay/ByteCoding.h"

void ByteWriter::fixed(std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) u8(static_cast<unsigned>((value >> (8 * i)) & 0xFFu));
}

void ByteWriter::varint(std::uint64_t value) {
  while (value >= 0x80u) {
    u8(static_cast<unsigned>((value & 0x7Fu) | 0x80u));
    value >>= 7;
  }
  u8(static_cast<unsigned>(value));
}

void ByteWriter::zigzag(std::int64_t value) {
  const auto bits = static_cast<std::uint64_t>(value);
  varint((bits << 1) ^ (value < 0 ? ~std::uint64_t{0} : 0));
}

bool ByteReader::fail(bool atEnd) {
  if (!failed_) endReached_ = atEnd;
  failed_ = true;
  return false;
}

bool ByteReader::fixed(std::uint64_t& out, int size) {
  if (failed_) return false;
  if (remaining() < static_cast<std::size_t>(size)) return fail(true);
  out = 0;
  for (int i = 0; i < size; ++i) out |= std::uint64_t{data_[position_ + i]} << (8 * i);
  position_ += static_cast<std::size_t>(size);
  return true;
}

bool ByteReader::u8(std::uint32_t& out) {
  std::uint64_t value = 0;
  if (!fixed(value, 1)) return false;
  out = static_cast<std::uint32_t>(value);
  return true;
}

bool ByteReader::u16(std::uint32_t& out) {
  std::uint64_t value = 0;
  if (!fixed(value, 2)) return false;
  out = static_cast<std::uint32_t>(value);
  return true;
}

bool ByteReader::u32(std::uint32_t& out) {
  std::uint64_t value = 0;
  if (!fixed(value, 4)) return false;
  out = static_cast<std::uint32_t>(value);
  return true;
}

bool ByteReader::u64(std::uint64_t& out) { return fixed(out, 8); }

// Only the shortest encoding of a number is accepted, so every value has exactly one spelling.
bool ByteReader::varint(std::uint64_t& out, int maxBits) {
  if (failed_) return false;
  std::uint64_t value = 0;
  for (int shift = 0;; shift += 7) {
    if (remaining() == 0) return fail(true);
    const std::uint64_t byte = data_[position_++];
    if (shift >= 64 || (shift > 0 && byte == 0)) return fail(false);
    const std::uint64_t payload = byte & 0x7Fu;
    if (shift > 0 && (payload >> (64 - shift)) != 0) return fail(false);
    value |= payload << shift;
    if ((byte & 0x80u) == 0) break;
  }
  if (maxBits < 64 && (value >> maxBits) != 0) return fail(false);
  out = value;
  return true;
}

bool ByteReader::zigzag(std::int64_t& out, int maxBits) {
  std::uint64_t folded = 0;
  if (!varint(folded, maxBits)) return false;
  out = static_cast<std::int64_t>(folded >> 1) ^ -static_cast<std::int64_t>(folded & 1u);
  return true;
}
