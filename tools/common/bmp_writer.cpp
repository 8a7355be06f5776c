#include "tools/common/bmp_writer.h"

#include "tools/common/byte_writer.h"

std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint8_t>& rgb) {
  const uint32_t rowBytes = (uint32_t(width) * 3 + 3) & ~3u;
  const uint32_t pixelBytes = rowBytes * uint32_t(height);
  const uint32_t headerBytes = 14 + 40;
  std::vector<uint8_t> out;
  out.reserve(headerBytes + pixelBytes);
  PutBytes(out, "BM", 2);
  PutLe32(out, headerBytes + pixelBytes);
  PutLe32(out, 0);  // reserved
  PutLe32(out, headerBytes);
  PutLe32(out, 40);  // BITMAPINFOHEADER
  PutLe32(out, uint32_t(width));
  PutLe32(out, uint32_t(height));  // positive: bottom-up
  PutLe16(out, 1);                  // planes
  PutLe16(out, 24);
  PutLe32(out, 0);  // BI_RGB
  PutLe32(out, pixelBytes);
  PutLe32(out, 2835);  // 72 dpi
  PutLe32(out, 2835);
  PutLe32(out, 0);
  PutLe32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = &rgb[size_t(y) * size_t(width) * 3];
    for (int x = 0; x < width; ++x) {
      out.push_back(row[x * 3 + 2]);
      out.push_back(row[x * 3 + 1]);
      out.push_back(row[x * 3 + 0]);
    }
    for (uint32_t pad = uint32_t(width) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}
