// Compresses 8-bit pictures (rows top first) to JPEG with libjpeg: RGB, or
// with components 1 grey and 4 CMYK (the decoder's tests need those too).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> EncodeJpeg(int width, int height, const std::vector<uint8_t>& samples, int quality,
                                int components = 3);
bool WriteJpeg(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
               int quality);
