// The JPEG decoder (libjpeg behind the screensaver's error and source managers).
#include <cstddef>
#include <cstdint>

#include "assets/jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DecodedImage image;
  DecodeJpeg(data, size, image);
  return 0;
}
