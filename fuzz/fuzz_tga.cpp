// The TGA decoder, and the RGBA widening the texture loader applies.
#include "assets/tga_decoder.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DroppedMessages messages;
  TgaImage image;
  if (DecodeTga(data, size, image, &messages)) TgaToRgba(image);
  return 0;
}
