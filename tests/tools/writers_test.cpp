// The binary encoders shared by the generators: BMP, TGA and ICO layouts as
// Windows and the loading screen read them.
#include <gtest/gtest.h>

#include <cstring>

#include "tools/common/bmp_writer.h"
#include "tools/common/ico_writer.h"
#include "tools/common/tga_writer.h"

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint32_t Le16(const std::vector<uint8_t>& b, size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8; }

// A picture whose every pixel says where it is: r = x, g = y, b = 7 (+ alpha = x + y).
std::vector<uint8_t> Coordinates(int w, int h, int channels) {
  std::vector<uint8_t> px;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      px.push_back(uint8_t(x));
      px.push_back(uint8_t(y));
      px.push_back(7);
      if (channels == 4) px.push_back(uint8_t(x + y));
    }
  return px;
}

TEST(BmpWriter, PadsRowsStoresBottomUpInBgrOrder) {
  const int w = 5, h = 3;  // 15 bytes of pixels per row, padded to 16
  std::vector<uint8_t> bmp = EncodeBmp24(w, h, Coordinates(w, h, 3));
  ASSERT_EQ(bmp.size(), 54u + 16u * 3u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(Le32(bmp, 2), bmp.size());
  EXPECT_EQ(Le32(bmp, 10), 54u);
  EXPECT_EQ(Le32(bmp, 14), 40u);
  EXPECT_EQ(Le32(bmp, 18), uint32_t(w));
  EXPECT_EQ(Le32(bmp, 22), uint32_t(h));
  EXPECT_EQ(Le16(bmp, 28), 24u);
  // First stored row is the picture's bottom row (y = 2); pixel x = 4 is blue, green, red.
  const size_t first = 54 + 4 * 3;
  EXPECT_EQ(bmp[first + 0], 7);
  EXPECT_EQ(bmp[first + 1], 2);
  EXPECT_EQ(bmp[first + 2], 4);
  EXPECT_EQ(bmp[54 + 15], 0);  // padding byte
  EXPECT_EQ(bmp[54 + 16 * 2 + 1], 0);  // last stored row is the top row (y = 0)
}

TEST(TgaWriter, HeaderAndBottomUpBgraPixels) {
  const int w = 3, h = 2;
  std::vector<uint8_t> tga = EncodeTga32(w, h, Coordinates(w, h, 4));
  ASSERT_EQ(tga.size(), 18u + size_t(w * h * 4));
  const uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 32, 0x08};
  EXPECT_EQ(std::memcmp(tga.data(), header, 18), 0);
  // File row 0 is the bottom row (y = 1); pixel (2, 1): b g r a = 7 1 2 3.
  EXPECT_EQ(tga[18 + 8 + 0], 7);
  EXPECT_EQ(tga[18 + 8 + 1], 1);
  EXPECT_EQ(tga[18 + 8 + 2], 2);
  EXPECT_EQ(tga[18 + 8 + 3], 3);
  EXPECT_EQ(tga[18 + 12 + 1], 0);  // second file row is y = 0
}

TEST(IcoWriter, DirectoryPointsAtEachImageInsideTheFile) {
  std::vector<IconImage> images;
  for (int size : {16, 32, 256}) {
    std::vector<uint8_t> rgba = Coordinates(size, size, 4);
    rgba[3] = 0;  // one fully transparent pixel at the top left
    images.push_back({size, rgba});
  }
  std::vector<uint8_t> ico = EncodeIco(images);
  ASSERT_GE(ico.size(), 6u + 16u * 3u);
  EXPECT_EQ(Le16(ico, 0), 0u);
  EXPECT_EQ(Le16(ico, 2), 1u);
  ASSERT_EQ(Le16(ico, 4), 3u);
  uint32_t expectedOffset = 6 + 16 * 3;
  for (size_t i = 0; i < images.size(); ++i) {
    const size_t e = 6 + 16 * i;
    EXPECT_EQ(ico[e], images[i].size == 256 ? 0 : images[i].size);
    EXPECT_EQ(ico[e + 1], ico[e]);
    EXPECT_EQ(Le16(ico, e + 6), 32u);
    uint32_t bytes = Le32(ico, e + 8), offset = Le32(ico, e + 12);
    EXPECT_EQ(offset, expectedOffset);
    ASSERT_LE(size_t(offset) + bytes, ico.size());
    expectedOffset += bytes;
    if (images[i].size == 256) {
      EXPECT_EQ(ico[offset + 1], 'P');  // big images are PNG
      continue;
    }
    const int n = images[i].size;
    EXPECT_EQ(Le32(ico, offset), 40u);
    EXPECT_EQ(Le32(ico, offset + 8), uint32_t(2 * n));  // colour rows plus mask rows
    const uint32_t maskRow = ((uint32_t(n) + 31) / 32) * 4;
    EXPECT_EQ(bytes, 40u + uint32_t(n * n * 4) + maskRow * uint32_t(n));
    // The mask's last row is the picture's top row; its first bit is the transparent pixel.
    EXPECT_EQ(ico[offset + bytes - maskRow] & 0x80, 0x80);
    EXPECT_EQ(ico[offset + bytes - maskRow] & 0x40, 0);
  }
  EXPECT_EQ(expectedOffset, ico.size());
}

}  // namespace
