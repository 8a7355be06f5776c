#include "assets/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/fake_resources.h"
#include "tools/common/jpeg_writer.h"

namespace {

// Rows top first: red falls from top to bottom, green rises from left to
// right, blue rises from top to bottom; smooth, so quality 95 stays close.
std::vector<uint8_t> Gradient(int width, int height) {
  std::vector<uint8_t> rgb(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
      p[0] = uint8_t(255 - 255 * y / (height - 1));
      p[1] = uint8_t(255 * x / (width - 1));
      p[2] = uint8_t(255 * y / (height - 1));
    }
  }
  return rgb;
}

// Offset just past the header of the first start-of-scan segment.
size_t EndOfScanHeader(const std::vector<uint8_t>& jpeg) {
  size_t pos = 2;
  while (pos + 4 <= jpeg.size()) {
    size_t length = size_t(jpeg[pos + 2]) << 8 | jpeg[pos + 3];
    if (jpeg[pos + 1] == 0xDA) return pos + 2 + length;
    pos += 2 + length;
  }
  return 0;
}

std::vector<uint8_t> Segment(uint8_t marker, const std::string& payload) {
  std::vector<uint8_t> s(4 + payload.size());
  s[0] = 0xFF, s[1] = marker, s[2] = uint8_t((payload.size() + 2) >> 8), s[3] = uint8_t(payload.size() + 2);
  std::copy(payload.begin(), payload.end(), s.begin() + 4);
  return s;
}

int MaxDifference(const DecodedImage& image, const std::vector<uint8_t>& topFirstRgb) {
  int worst = 0;
  for (int y = 0; y < image.height; ++y) {
    const uint8_t* row = &image.pixels[size_t(image.height - 1 - y) * image.rowStride];
    for (int i = 0; i < image.rowStride; ++i)
      worst = std::max(worst, std::abs(row[i] - topFirstRgb[size_t(y) * image.rowStride + i]));
  }
  return worst;
}

bool Decode(const std::vector<uint8_t>& bytes, DecodedImage& image) {
  return DecodeJpeg(bytes.data(), bytes.size(), image) == ImageStatus::Ok;
}

TEST(JpegDecoder, RowsComeOutBottomUpInRgbOrder) {
  std::vector<uint8_t> rgb = Gradient(720, 360);
  DecodedImage image;
  ASSERT_TRUE(Decode(EncodeJpeg(720, 360, rgb, 95), image));
  EXPECT_EQ(image.width, 720);
  EXPECT_EQ(image.height, 360);
  EXPECT_EQ(image.rowStride, 2160);
  ASSERT_EQ(image.pixels.size(), 2160u * 360u);
  EXPECT_LE(MaxDifference(image, rgb), 12);
  const uint8_t* top = &image.pixels[359 * 2160];  // the picture's top row: red, no blue
  EXPECT_GT(top[0], 240);
  EXPECT_LT(top[2], 15);
}

TEST(JpegDecoder, GreyPicturesAreWidenedToRgb) {
  std::vector<uint8_t> grey(40 * 24);
  for (size_t i = 0; i < grey.size(); ++i) grey[i] = uint8_t(i % 40 * 6);
  DecodedImage image;
  ASSERT_TRUE(Decode(EncodeJpeg(40, 24, grey, 95, 1), image));
  EXPECT_EQ(image.rowStride, 120);
  std::vector<uint8_t> expected;
  for (uint8_t g : grey) expected.insert(expected.end(), {g, g, g});
  EXPECT_LE(MaxDifference(image, expected), 6);
  for (size_t i = 0; i < image.pixels.size(); i += 3) {
    ASSERT_EQ(image.pixels[i], image.pixels[i + 1]);
    ASSERT_EQ(image.pixels[i], image.pixels[i + 2]);
  }
}

TEST(JpegDecoder, CmykAndNonJpegDataFailLeavingTheImageAlone) {
  DecodedImage image;
  image.width = 7;
  EXPECT_FALSE(Decode(EncodeJpeg(8, 8, std::vector<uint8_t>(256, 100), 95, 4), image));
  EXPECT_FALSE(Decode(std::vector<uint8_t>{'n', 'o', 't', ' ', 'j', 'p', 'g'}, image));
  EXPECT_FALSE(Decode({}, image));
  EXPECT_FALSE(Decode({0xFF, 0xD8}, image));  // nothing but the start marker
  EXPECT_EQ(image.width, 7);
  EXPECT_TRUE(image.pixels.empty());
}

TEST(JpegDecoder, ApplicationSegmentsDoNotChangeThePixels) {
  std::vector<uint8_t> plain = EncodeJpeg(64, 48, Gradient(64, 48), 90);
  std::vector<uint8_t> tagged(plain.begin(), plain.begin() + 2);
  for (auto s : {Segment(0xE1, std::string("Exif\0\0", 6) + std::string(300, 'x')),
                 Segment(0xED, std::string("Photoshop 3.0\0", 14) + std::string(500, '\x1c'))})
    tagged.insert(tagged.end(), s.begin(), s.end());
  tagged.insert(tagged.end(), plain.begin() + 2, plain.end());
  DecodedImage a, b;
  ASSERT_TRUE(Decode(plain, a));
  ASSERT_TRUE(Decode(tagged, b));
  EXPECT_EQ(a.pixels, b.pixels);
}

TEST(JpegDecoder, TruncatedDataEndsThePictureAndKeepsWhatCame) {
  std::vector<uint8_t> full = EncodeJpeg(64, 64, Gradient(64, 64), 90);
  size_t scan = EndOfScanHeader(full);
  ASSERT_GT(scan, 0u);
  DecodedImage whole, headerOnly, half;
  ASSERT_TRUE(Decode(full, whole));
  ASSERT_TRUE(Decode(std::vector<uint8_t>(full.begin(), full.begin() + scan), headerOnly));
  EXPECT_EQ(headerOnly.width, 64);
  EXPECT_EQ(headerOnly.pixels.size(), whole.pixels.size());
  ASSERT_TRUE(Decode(std::vector<uint8_t>(full.begin(), full.begin() + (scan + full.size()) / 2), half));
  // The first 16 picture rows (one row of blocks) lie in the first half of the scan.
  size_t topRows = 16 * 64 * 3;
  EXPECT_TRUE(std::equal(whole.pixels.end() - topRows, whole.pixels.end(), half.pixels.end() - topRows));
  EXPECT_NE(whole.pixels, half.pixels);
}

TEST(JpegDecoder, EveryPrefixAndEveryFlippedByteEndsCleanly) {
  const std::vector<uint8_t> full = EncodeJpeg(24, 16, Gradient(24, 16), 80);
  int decoded = 0;
  for (size_t length = 0; length < full.size(); ++length) {
    DecodedImage image;
    if (!Decode(std::vector<uint8_t>(full.begin(), full.begin() + length), image)) continue;
    ++decoded;
    ASSERT_EQ(image.pixels.size(), size_t(image.rowStride) * image.height);
  }
  EXPECT_GT(decoded, 0);
  for (size_t i = 0; i < full.size(); ++i) {
    std::vector<uint8_t> damaged = full;
    damaged[i] ^= 0xFF;
    DecodedImage image;
    if (Decode(damaged, image)) {
      ASSERT_EQ(image.pixels.size(), size_t(image.rowStride) * image.height) << "byte " << i;
      ASSERT_LE(uint64_t(image.width) * image.height, MaxJpegPixels);
    }
  }
}

TEST(JpegDecoder, AbsurdDimensionsAreRefusedBeforeAllocating) {
  std::vector<uint8_t> jpeg = EncodeJpeg(16, 16, Gradient(16, 16), 80);
  size_t sof = 2;
  while (jpeg[sof + 1] != 0xC0 && jpeg[sof + 1] != 0xC2) sof += 2 + (size_t(jpeg[sof + 2]) << 8 | jpeg[sof + 3]);
  // Frame header: length (2), precision (1), height (2), width (2).
  for (int side : {60000, 8200}) {
    jpeg[sof + 5] = jpeg[sof + 7] = uint8_t(side >> 8);
    jpeg[sof + 6] = jpeg[sof + 8] = uint8_t(side);
    DecodedImage image;
    EXPECT_FALSE(Decode(jpeg, image)) << side;
  }
}

TEST(JpegDecoder, LoadOpensNumberedResourcesAndArchiveMembers) {
  FakeResources resources;
  resources.Set(133, EncodeJpeg(32, 16, Gradient(32, 16), 90));
  DecodedImage image;
  ASSERT_EQ(LoadJpeg(resources.resources(), "load.jpg", image, true, 133), ImageStatus::Ok);
  EXPECT_EQ(image.width, 32);
  EXPECT_EQ(image.height, 16);
  DecodedImage untouched;
  EXPECT_EQ(LoadJpeg(resources.resources(), "load.jpg", untouched, true, 134), ImageStatus::Missing);
  EXPECT_EQ(LoadJpeg(resources.resources(), "textures\\missing.jpg", untouched, false, 0), ImageStatus::Missing);
  EXPECT_TRUE(untouched.pixels.empty());
}

}  // namespace
