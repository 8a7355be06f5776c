// TGA decoding in memory: image types 1 and 9 (colour-mapped, 24-bit map),
// 2 and 10 (true colour, 16/24/32 bits), 3 and 11 (8-bit grey), raw or
// run-length. Rows are kept in file order, the file's first row becoming
// the bottom row; the origin bits are not consulted (images are stored
// bottom-up). Decoded pixels: 8 bits grey; 24 bits blue, green, red (the
// file's order, also for colour-mapped and 16-bit images); 32 bits red,
// green, blue, alpha. Every size is checked against the data before use.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "assets/image_status.h"
#include "assets/resources.h"

struct TgaHeader {
  uint8_t idLength = 0;
  uint8_t colorMapType = 0;
  uint8_t imageType = 0;
  uint16_t colorMapFirst = 0;  // not used: indices count from entry 0
  uint16_t colorMapLength = 0;
  uint8_t colorMapEntrySize = 0;
  uint16_t xOrigin = 0, yOrigin = 0;  // not used
  uint16_t width = 0;
  uint16_t height = 0;
  uint8_t pixelDepth = 0;  // after decoding: bits per pixel of the buffer (8, 24 or 32)
  uint8_t descriptor = 0;
};

struct TgaImage {
  TgaHeader header;
  std::vector<uint8_t> pixels;  // width * height * pixelDepth / 8 bytes, owned
};

// Pictures above this many pixels are refused before anything is allocated.
inline constexpr uint64_t MaxTgaPixels = uint64_t(64) << 20;

// Unsupported for an unsupported type or colour map, an empty or too large
// picture; UnsupportedDepth for a depth other than 8, 16, 24 or 32 (the host
// shows "Unsupported image depth."); Damaged for data that ends before the
// picture does. Colour-map indices beyond the map give black pixels;
// run-length packets that run past the picture are cut.
ImageStatus DecodeTga(const uint8_t* data, size_t size, TgaImage& image);

// Decodes "CustomData" resource resourceId when fromResource is set, else the
// archive member path. Missing when the source does not open.
ImageStatus LoadTga(const Resources& resources, const char* path, TgaImage& image, bool fromResource,
                    int resourceId);

// The decoded pixels as red, green, blue, alpha, 4 bytes each, rows as
// decoded; grey and 24-bit pixels get alpha 255.
std::vector<uint8_t> TgaToRgba(const TgaImage& image);
