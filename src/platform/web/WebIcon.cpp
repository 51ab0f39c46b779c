// kelvaron-web-icon OUTPUT.png SIZE: the page's home-screen icon, the game's ship drawn at build
// time by the game's own rasterizer, as the desktop icons are. Built to run under Node, since the
// browser build has no native compiler; Node's zlib does the PNG's compression.
#include <emscripten.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "ShipIcon.h"

// clang-format off
EM_JS(int, kelvaron_write_png, (const char* path, const std::uint8_t* rgba, int size), {
  const zlib = require('zlib');
  const crcTable = [];
  for (let n = 0; n < 256; ++n) {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320 ^ (c >>> 1) : c >>> 1;
    crcTable[n] = c >>> 0;
  }
  const crc = (bytes) => {
    let c = 0xFFFFFFFF;
    for (const b of bytes) c = crcTable[(c ^ b) & 0xFF] ^ (c >>> 8);
    return (c ^ 0xFFFFFFFF) >>> 0;
  };
  const chunk = (type, data) => {
    const out = Buffer.alloc(12 + data.length);
    out.writeUInt32BE(data.length, 0);
    out.write(type, 4, 'latin1');
    data.copy(out, 8);
    out.writeUInt32BE(crc(out.subarray(4, 8 + data.length)), 8 + data.length);
    return out;
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header[8] = 8;  /* bits per channel */
  header[9] = 6;  /* RGBA */
  const rows = Buffer.alloc(size * (size * 4 + 1));
  for (let y = 0; y < size; ++y) {
    rows[y * (size * 4 + 1)] = 0;  /* no filter */
    Buffer.from(HEAPU8.buffer, rgba + y * size * 4, size * 4).copy(rows, y * (size * 4 + 1) + 1);
  }
  const png = Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
                             chunk('IDAT', zlib.deflateSync(rows, {level: 9})),
                             chunk('IEND', Buffer.alloc(0))]);
  try {
    require('fs').writeFileSync(UTF8ToString(path), png);
    return 1;
  } catch (error) {
    return 0;
  }
});
// clang-format on

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kelvaron-web-icon OUTPUT.png SIZE\n");
    return 2;
  }
  const int size = std::stoi(argv[2]);
  const IconImage icon = drawShipIcon(size);
  std::vector<std::uint8_t> rgba(icon.pixels.size() * 4);
  for (std::size_t i = 0; i < icon.pixels.size(); ++i) {
    const std::uint32_t argb = icon.pixels[i];  // 0xAARRGGBB
    rgba[i * 4] = static_cast<std::uint8_t>(argb >> 16);
    rgba[i * 4 + 1] = static_cast<std::uint8_t>(argb >> 8);
    rgba[i * 4 + 2] = static_cast<std::uint8_t>(argb);
    rgba[i * 4 + 3] = static_cast<std::uint8_t>(argb >> 24);
  }
  if (!kelvaron_write_png(argv[1], rgba.data(), size)) {
    std::fprintf(stderr, "kelvaron-web-icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
