#pragma once

#include <filesystem>
#include <string>

class RasterCanvas;

// Writes the canvas as an 8-bit RGB PNG. False with a message when it cannot (or when this build
// has no PNG support).
bool writePng(const RasterCanvas& canvas, const std::filesystem::path& file, std::string& error);
