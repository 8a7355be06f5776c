// Encodes 8-bit RGB pictures (rows top first) as uncompressed 24-bit Windows
// bitmaps: BITMAPFILEHEADER + BITMAPINFOHEADER, rows bottom-up, each row
// padded to a multiple of 4 bytes, blue-green-red byte order.
#pragma once
#include <cstdint>
#include <vector>

std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint8_t>& rgb);
