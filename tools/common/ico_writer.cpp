#include "tools/common/ico_writer.h"

#include "tools/common/byte_writer.h"
#include "tools/common/png_writer.h"

namespace {

// BITMAPINFOHEADER with double height (colour rows, then the mask rows),
// BGRA rows bottom-up, then a 1-bit AND mask (set where fully transparent).
std::vector<uint8_t> EncodeDib(const IconImage& image) {
  const int n = image.size;
  std::vector<uint8_t> out;
  PutLe32(out, 40);
  PutLe32(out, uint32_t(n));
  PutLe32(out, uint32_t(n * 2));
  PutLe16(out, 1);
  PutLe16(out, 32);
  PutLe32(out, 0);  // BI_RGB
  const uint32_t maskRow = ((uint32_t(n) + 31) / 32) * 4;
  PutLe32(out, uint32_t(n * n * 4) + maskRow * uint32_t(n));
  for (int i = 0; i < 4; ++i) PutLe32(out, 0);
  for (int y = n - 1; y >= 0; --y)
    for (int x = 0; x < n; ++x) {
      const uint8_t* p = &image.rgba[(size_t(y) * size_t(n) + size_t(x)) * 4];
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
      out.push_back(p[3]);
    }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskRow, 0);
    for (int x = 0; x < n; ++x)
      if (image.rgba[(size_t(y) * size_t(n) + size_t(x)) * 4 + 3] == 0) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeIco(const std::vector<IconImage>& images) {
  std::vector<std::vector<uint8_t>> bodies;
  for (const IconImage& image : images)
    bodies.push_back(image.size > 128 ? EncodePng(image.size, image.size, 4, image.rgba) : EncodeDib(image));
  std::vector<uint8_t> out;
  PutLe16(out, 0);  // reserved
  PutLe16(out, 1);  // icon
  PutLe16(out, uint32_t(images.size()));
  uint32_t offset = 6 + 16 * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int n = images[i].size;
    out.push_back(uint8_t(n >= 256 ? 0 : n));  // 0 means 256
    out.push_back(uint8_t(n >= 256 ? 0 : n));
    out.push_back(0);  // no palette
    out.push_back(0);
    PutLe16(out, 1);   // planes
    PutLe16(out, 32);  // bits per pixel
    PutLe32(out, uint32_t(bodies[i].size()));
    PutLe32(out, offset);
    offset += uint32_t(bodies[i].size());
  }
  for (const std::vector<uint8_t>& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}
