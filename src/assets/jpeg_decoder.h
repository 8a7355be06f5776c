// JPEG decoding in memory with libjpeg. Pixels come out as 8-bit red, green,
// blue, rows bottom-up (buffer row 0 is the picture's bottom row), so the
// buffer goes to GL unchanged. Greyscale pictures are widened to RGB; other
// colour spaces (CMYK) are refused. Decoder errors are silent; the first
// warning (damaged or cut-off data) is kept with the picture.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/image_status.h"
#include "assets/resources.h"

struct DecodedImage {
  int32_t rowStride = 0;  // bytes per row: width * 3
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // rowStride * height bytes, owned by the caller
  std::string warning;          // libjpeg's first warning, empty when there was none
};

// Pictures above this many pixels are refused before anything is allocated.
inline constexpr uint64_t MaxJpegPixels = uint64_t(64) << 20;

// Decodes size bytes at data. Data that ends early decodes as far as it goes
// (the rest is what the decoder makes of missing data). False when the data
// has no decodable picture or a fatal error stops the decoder (Damaged), or
// the picture is CMYK or too large (Unsupported); then image is untouched.
ImageStatus DecodeJpeg(const uint8_t* data, size_t size, DecodedImage& image);

// Decodes "CustomData" resource resourceId when fromResource is set, else the
// archive member path. Missing when the source does not open.
ImageStatus LoadJpeg(const Resources& resources, const char* path, DecodedImage& image, bool fromResource,
                     int resourceId);
