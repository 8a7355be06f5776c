// Encodes 8-bit RGBA pictures (rows top first) as uncompressed 32-bit TGA
// files of the kind the loading screen reads: image type 2, no image ID and
// no colour map, rows stored bottom-up (descriptor 0x08: 8 alpha bits, origin
// at the lower left), pixels in blue-green-red-alpha byte order.
#pragma once
#include <cstdint>
#include <vector>

std::vector<uint8_t> EncodeTga32(int width, int height, const std::vector<uint8_t>& rgba);
