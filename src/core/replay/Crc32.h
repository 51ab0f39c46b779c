#pragma once

#include <cstddef>
#include <cstdint>

// The CRC-32 of zlib and PNG (reflected polynomial 0xEDB88320), over a run of bytes.
std::uint32_t crc32(const unsigned char* data, std::size_t size);
