#include "tools/common/tga_writer.h"

#include "tools/common/byte_writer.h"

std::vector<uint8_t> EncodeTga32(int width, int height, const std::vector<uint8_t>& rgba) {
  std::vector<uint8_t> out;
  out.reserve(18 + size_t(width) * size_t(height) * 4);
  out.push_back(0);  // image ID length
  out.push_back(0);  // no colour map
  out.push_back(2);  // true colour
  PutLe16(out, 0);   // colour-map first index
  PutLe16(out, 0);   // colour-map length
  out.push_back(0);  // colour-map entry size
  PutLe16(out, 0);   // x origin
  PutLe16(out, 0);   // y origin
  PutLe16(out, uint32_t(width));
  PutLe16(out, uint32_t(height));
  out.push_back(32);
  out.push_back(0x08);
  for (int y = height - 1; y >= 0; --y)
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = &rgba[(size_t(y) * size_t(width) + size_t(x)) * 4];
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
      out.push_back(p[3]);
    }
  return out;
}
