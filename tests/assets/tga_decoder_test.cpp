#include "assets/tga_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/fake_resources.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Header {
  uint8_t type = 2, depth = 32;
  uint16_t width = 1, height = 1;
  uint8_t mapType = 0, mapEntrySize = 0;
  uint16_t mapLength = 0;
  uint8_t idLength = 0;
};

// The 18 header bytes, the image ID (idLength 'i' bytes), then body.
Bytes Tga(const Header& h, const Bytes& body) {
  Bytes out = {h.idLength, h.mapType, h.type, 0, 0, uint8_t(h.mapLength), uint8_t(h.mapLength >> 8),
               h.mapEntrySize, 0, 0, 0, 0, uint8_t(h.width), uint8_t(h.width >> 8),
               uint8_t(h.height), uint8_t(h.height >> 8), h.depth, 0x08};
  out.insert(out.end(), h.idLength, 'i');
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

struct Decoded {
  bool ok = false;
  ImageStatus status = ImageStatus::Ok;
  TgaImage image;
};

Decoded Decode(const Bytes& bytes) {
  Decoded d;
  d.status = DecodeTga(bytes.data(), bytes.size(), d.image);
  d.ok = d.status == ImageStatus::Ok;
  return d;
}

TEST(TgaDecoder, ThirtyTwoBitPixelsSwapBlueAndRedRawAndRunLength) {
  Decoded white = Decode(Tga({}, {0xFF, 0xFF, 0xFF, 0x00}));
  ASSERT_TRUE(white.ok);
  EXPECT_EQ(white.image.header.pixelDepth, 32);
  EXPECT_EQ(white.image.pixels, (Bytes{255, 255, 255, 0}));

  const Bytes expected = {0x30, 0x20, 0x10, 0x40, 0x30, 0x20, 0x10, 0x40, 0x30, 0x20, 0x10, 0x40};
  Decoded raw = Decode(Tga({.width = 3}, {0x10, 0x20, 0x30, 0x40, 0x10, 0x20, 0x30, 0x40, 0x10, 0x20, 0x30, 0x40}));
  ASSERT_TRUE(raw.ok);
  EXPECT_EQ(raw.image.pixels, expected);
  // A repeat packet of two, then a literal packet of one.
  Decoded rle = Decode(Tga({.type = 10, .width = 3}, {0x81, 0x10, 0x20, 0x30, 0x40, 0x00, 0x10, 0x20, 0x30, 0x40}));
  ASSERT_TRUE(rle.ok);
  EXPECT_EQ(rle.image.pixels, expected);
}

TEST(TgaDecoder, SixteenBitPixelsExpandToFileOrderAndDropTheTopBit) {
  Decoded d = Decode(Tga({.depth = 16, .width = 3}, {0xFF, 0x7F, 0x1F, 0x80, 0xE0, 0x03}));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.header.pixelDepth, 24);
  EXPECT_EQ(d.image.pixels, (Bytes{248, 248, 248, 248, 0, 0, 0, 248, 0}));
  EXPECT_EQ(TgaToRgba(d.image), (Bytes{248, 248, 248, 255, 0, 0, 248, 255, 0, 248, 0, 255}));
}

TEST(TgaDecoder, TwentyFourBitAndGreyPixelsKeepTheirBytesAndWidenToRgba) {
  Decoded colour = Decode(Tga({.depth = 24, .height = 2}, {0x10, 0x20, 0x30, 0x01, 0x02, 0x03}));
  ASSERT_TRUE(colour.ok);
  EXPECT_EQ(colour.image.pixels, (Bytes{0x10, 0x20, 0x30, 0x01, 0x02, 0x03}));  // first file row first
  EXPECT_EQ(TgaToRgba(colour.image), (Bytes{0x30, 0x20, 0x10, 255, 0x03, 0x02, 0x01, 255}));

  Decoded grey = Decode(Tga({.type = 11, .depth = 8, .width = 4}, {0x83, 0x7F}));
  ASSERT_TRUE(grey.ok);
  EXPECT_EQ(grey.image.header.pixelDepth, 8);
  EXPECT_EQ(grey.image.pixels, (Bytes{0x7F, 0x7F, 0x7F, 0x7F}));
  EXPECT_EQ(TgaToRgba(grey.image)[3], 255);
}

TEST(TgaDecoder, ColourMappedIndicesExpandAndIndicesBeyondTheMapAreBlack) {
  const Bytes map = {1, 2, 3, 4, 5, 6};  // two entries, blue-green-red
  Header h{.type = 1, .depth = 8, .width = 3, .mapType = 1, .mapEntrySize = 24, .mapLength = 2};
  Bytes body = map;
  body.insert(body.end(), {1, 0, 200});
  Decoded raw = Decode(Tga(h, body));
  ASSERT_TRUE(raw.ok);
  EXPECT_EQ(raw.image.header.pixelDepth, 24);
  EXPECT_EQ(raw.image.pixels, (Bytes{4, 5, 6, 1, 2, 3, 0, 0, 0}));

  h.type = 9;
  body = map;
  body.insert(body.end(), {0x82, 1});
  Decoded rle = Decode(Tga(h, body));
  ASSERT_TRUE(rle.ok);
  EXPECT_EQ(rle.image.pixels, (Bytes{4, 5, 6, 4, 5, 6, 4, 5, 6}));

  h.mapEntrySize = 16;  // only 24-bit maps are read
  EXPECT_FALSE(Decode(Tga(h, body)).ok);
  h.mapEntrySize = 24, h.mapType = 0;
  EXPECT_FALSE(Decode(Tga(h, body)).ok);
}

TEST(TgaDecoder, ImageIdAndAnUnusedColourMapAreSteppedOver) {
  Header h{.depth = 24, .mapType = 1, .mapEntrySize = 24, .mapLength = 2, .idLength = 5};
  Decoded d = Decode(Tga(h, {9, 9, 9, 9, 9, 9, 0x10, 0x20, 0x30}));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.pixels, (Bytes{0x10, 0x20, 0x30}));
}

TEST(TgaDecoder, RunsPastThePictureAreCut) {
  Decoded d = Decode(Tga({.type = 10, .depth = 24, .width = 2}, {0xFF, 1, 2, 3, 0xFF, 4, 5, 6}));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.pixels, (Bytes{1, 2, 3, 1, 2, 3}));
  Decoded literal = Decode(Tga({.type = 10, .depth = 24}, {0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  ASSERT_TRUE(literal.ok);
  EXPECT_EQ(literal.image.pixels, (Bytes{1, 2, 3}));
}

TEST(TgaDecoder, UnsupportedDepthHasAStatusOfItsOwn) {
  for (uint8_t depth : {0, 1, 15, 31, 40}) {
    Decoded d = Decode(Tga({.depth = depth}, Bytes(8, 0)));
    EXPECT_EQ(d.status, ImageStatus::UnsupportedDepth) << int(depth);
    EXPECT_STREQ(ImageStatusText(d.status), "Unsupported image depth.");
  }
  for (Header h : {Header{.depth = 8}, Header{.type = 3, .depth = 24}, Header{.type = 4},
                   Header{.type = 0}, Header{.type = 1, .depth = 16, .mapType = 1, .mapEntrySize = 24}}) {
    Decoded d = Decode(Tga(h, Bytes(8, 0)));
    EXPECT_FALSE(d.ok) << int(h.type) << "/" << int(h.depth);
    EXPECT_NE(d.status, ImageStatus::UnsupportedDepth);
  }
}

TEST(TgaDecoder, DataThatEndsEarlyFailsAndEmptyPicturesFail) {
  const Bytes good = Tga({.depth = 24, .width = 2}, {1, 2, 3, 4, 5, 6});
  for (size_t length = 0; length < good.size(); ++length)
    EXPECT_FALSE(Decode(Bytes(good.begin(), good.begin() + length)).ok) << length;
  EXPECT_TRUE(Decode(good).ok);
  EXPECT_FALSE(Decode(Tga({.type = 10, .depth = 24, .width = 2}, {0x81, 1, 2})).ok);  // ends mid-pixel
  EXPECT_FALSE(Decode(Tga({.type = 10, .depth = 24, .width = 2}, {0x00, 1, 2, 3})).ok);  // no second packet
  Bytes longId = Tga({}, {1, 2, 3, 4});
  longId[0] = 200;  // an image ID longer than the file
  EXPECT_FALSE(Decode(longId).ok);
  EXPECT_FALSE(Decode(Tga({.width = 0}, {})).ok);
}

TEST(TgaDecoder, HugeClaimsFailBeforeAllocating) {
  Header huge{.width = 65535, .height = 65535};
  EXPECT_FALSE(Decode(Tga(huge, Bytes(64, 0))).ok);
  huge.type = 10;
  EXPECT_FALSE(Decode(Tga(huge, Bytes(64, 0xFF))).ok);
  // Enough run-length packets for 8200 x 8200 grey pixels, but above the size bound.
  Header big{.type = 11, .depth = 8, .width = 8200, .height = 8200};
  Bytes packets;
  for (size_t i = 0; i < 8200u * 8200u / 128 + 1; ++i) packets.insert(packets.end(), {0xFF, 7});
  EXPECT_FALSE(Decode(Tga(big, packets)).ok);
}

TEST(TgaDecoder, LoadOpensNumberedResources) {
  FakeResources resources;
  resources.Set(130, Tga({}, {0xFF, 0xFF, 0xFF, 0x00}));
  TgaImage image;
  EXPECT_EQ(LoadTga(resources.resources(), "4loader_ld.tga", image, true, 130), ImageStatus::Ok);
  EXPECT_EQ(image.header.width, 1);
  EXPECT_EQ(LoadTga(resources.resources(), "4loader_ld.tga", image, true, 131), ImageStatus::Missing);
  EXPECT_EQ(LoadTga(resources.resources(), "4loader_ld.tga", image, false, 0), ImageStatus::Missing);
}

}  // namespace
