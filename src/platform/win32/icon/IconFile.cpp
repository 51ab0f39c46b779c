#include "IconFile.h"

#include <fstream>

namespace {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void u8(unsigned value) { out_.push_back(static_cast<std::uint8_t>(value & 0xFF)); }
  void u16(unsigned value) {
    u8(value);
    u8(value >> 8);
  }
  void u32(std::uint32_t value) {
    u16(value & 0xFFFF);
    u16(value >> 16);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

constexpr std::uint32_t kDirectoryHeaderSize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;
constexpr std::uint32_t kBitmapHeaderSize = 40;

// The mask is one bit per pixel, each row padded to whole 32-bit words.
std::uint32_t maskRowBytes(int width) { return static_cast<std::uint32_t>((width + 31) / 32 * 4); }

std::uint32_t imageBytes(const IconImage& image) {
  const auto w = static_cast<std::uint32_t>(image.width);
  return kBitmapHeaderSize + w * w * 4 + maskRowBytes(image.width) * w;
}

void writeBitmap(ByteWriter& out, const IconImage& image) {
  const int w = image.width;
  // BITMAPINFOHEADER; the height counts the colour bitmap and the mask together.
  out.u32(kBitmapHeaderSize);
  out.u32(static_cast<std::uint32_t>(w));
  out.u32(static_cast<std::uint32_t>(2 * w));
  out.u16(1);   // planes
  out.u16(32);  // bits per pixel
  out.u32(0);   // BI_RGB
  out.u32(imageBytes(image) - kBitmapHeaderSize);
  for (int i = 0; i < 4; ++i) out.u32(0);  // resolution and palette: unused
  // Bitmaps run bottom-up.
  for (int y = w - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) out.u32(image.pixels[static_cast<std::size_t>(y * w + x)]);
  }
  for (int y = w - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskRowBytes(w), 0);
    for (int x = 0; x < w; ++x) {
      const bool transparent = (image.pixels[static_cast<std::size_t>(y * w + x)] >> 24) == 0;
      if (transparent)
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    for (std::uint8_t byte : row) out.u8(byte);
  }
}

}  // namespace

std::vector<std::uint8_t> encodeIcon(const std::vector<IconImage>& images) {
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  out.u16(0);  // reserved
  out.u16(1);  // an icon, not a cursor
  out.u16(static_cast<unsigned>(images.size()));
  std::uint32_t offset =
      kDirectoryHeaderSize + kDirectoryEntrySize * static_cast<std::uint32_t>(images.size());
  for (const IconImage& image : images) {
    out.u8(image.width >= 256 ? 0 : static_cast<unsigned>(image.width));
    out.u8(image.width >= 256 ? 0 : static_cast<unsigned>(image.width));
    out.u8(0);  // no palette
    out.u8(0);
    out.u16(1);   // planes
    out.u16(32);  // bits per pixel
    out.u32(imageBytes(image));
    out.u32(offset);
    offset += imageBytes(image);
  }
  for (const IconImage& image : images) writeBitmap(out, image);
  return bytes;
}

bool writeIcon(const std::string& path, const std::vector<IconImage>& images) {
  const std::vector<std::uint8_t> bytes = encodeIcon(images);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}
