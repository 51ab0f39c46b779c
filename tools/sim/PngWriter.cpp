#include "PngWriter.h"

#include "RasterCanvas.h"

#ifdef KELVARON_HAVE_PNG
#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
}  // namespace

bool writePng(const RasterCanvas& canvas, const std::filesystem::path& file, std::string& error) {
  std::unique_ptr<std::FILE, FileCloser> out(std::fopen(file.string().c_str(), "wb"));
  if (!out) {
    error = "cannot write " + file.string();
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, &info);
    error = "out of memory writing " + file.string();
    return false;
  }
  const int width = canvas.width();
  const int height = canvas.height();
  std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    error = "cannot write " + file.string();
    return false;
  }
  png_init_io(png, out.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const std::uint32_t* pixels = canvas.pixels();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];  // 0x00RRGGBB
      row[static_cast<std::size_t>(x) * 3 + 0] = static_cast<png_byte>((p >> 16) & 0xFF);
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<png_byte>((p >> 8) & 0xFF);
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<png_byte>(p & 0xFF);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

#else

bool writePng(const RasterCanvas&, const std::filesystem::path& file, std::string& error) {
  error = "this build cannot write PNG files (" + file.string() + ")";
  return false;
}

#endif
