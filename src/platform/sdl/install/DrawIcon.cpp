// kelvaron-draw-icon OUTPUT SIZE: the game's icon for the desktop, drawn at build time, as a PNG of
// SIZE x SIZE pixels or, when OUTPUT ends in .svg, as the same polygons in a scalable picture.
#include <png.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ShipIcon.h"
#include "SvgCanvas.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

bool writeRgbaPng(const IconImage& icon, const char* path) {
  std::unique_ptr<std::FILE, FileCloser> out(std::fopen(path, "wb"));
  if (!out) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, out.get());
  const auto size = static_cast<png_uint_32>(icon.width);
  png_set_IHDR(png, info, size, size, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<std::size_t>(icon.width) * 4);
  for (int y = 0; y < icon.width; ++y) {
    for (int x = 0; x < icon.width; ++x) {
      const std::uint32_t argb = icon.pixels[static_cast<std::size_t>(y * icon.width + x)];
      png_byte* p = &row[static_cast<std::size_t>(x) * 4];
      p[0] = static_cast<png_byte>(argb >> 16);
      p[1] = static_cast<png_byte>(argb >> 8);
      p[2] = static_cast<png_byte>(argb);
      p[3] = static_cast<png_byte>(argb >> 24);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool writeSvg(int size, const std::string& path) {
  SvgCanvas canvas(size, size);
  drawShipIconOn(canvas, size);
  std::ofstream out(path, std::ios::binary);
  out << canvas.document();
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kelvaron-draw-icon OUTPUT.png|OUTPUT.svg SIZE\n");
    return 2;
  }
  const std::string output = argv[1];
  const int size = std::stoi(argv[2]);
  const bool svg = output.ends_with(".svg");
  if (!(svg ? writeSvg(size, output) : writeRgbaPng(drawShipIcon(size), output.c_str()))) {
    std::fprintf(stderr, "kelvaron-draw-icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
