// The RAR 2.0 decoder on raw streams: the first three bytes give the
// unpacked size (up to 1 MiB), the rest is the packed data, decoded once
// fresh and once more as the solid successor of itself.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "assets/archive/rar20_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3 || size > (1u << 20)) return 0;
  uint32_t unpacked = (uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16) & 0xFFFFF;
  static std::vector<uint8_t> window(rar20::WindowSize);
  rar20::Decoder decoder(window.data());
  std::vector<uint8_t> output(unpacked);
  for (bool solid : {false, true}) {
    ArchiveView view{data + 3, uint32_t(size - 3), 0};
    rar20::PackedInput input{&view, view.size};
    uint32_t produced = 0;
    decoder.DecodeMember(input, unpacked, solid, output.data(), &produced);
  }
  return 0;
}
