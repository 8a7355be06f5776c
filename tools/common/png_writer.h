// Writes 8-bit RGB or RGBA pictures as PNG files (rows top first). The data
// goes into stored deflate blocks: no compression, no dependency, exact bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// channels is 3 (RGB) or 4 (RGBA); pixels holds width * height * channels bytes.
bool WritePng(const std::string& path, int width, int height, int channels,
              const std::vector<uint8_t>& pixels);
std::vector<uint8_t> EncodePng(int width, int height, int channels, const std::vector<uint8_t>& pixels);
