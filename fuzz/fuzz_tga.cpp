// The TGA decoder, and the RGBA widening the texture loader applies.
#include "assets/tga_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TgaImage image;
  if (DecodeTga(data, size, image) == ImageStatus::Ok) TgaToRgba(image);
  return 0;
}
