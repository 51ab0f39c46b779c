#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ShipIcon.h"

// The bytes of a Windows .ico file holding the images as 32-bit colour bitmaps with alpha, plus the
// 1-bit mask that older consumers use (set where a pixel is fully transparent).
std::vector<std::uint8_t> encodeIcon(const std::vector<IconImage>& images);

// Writes the file; false when it cannot be written.
bool writeIcon(const std::string& path, const std::vector<IconImage>& images);
