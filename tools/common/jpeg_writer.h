// Compresses 8-bit RGB pictures (rows top first) to JPEG with libjpeg.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> EncodeJpeg(int width, int height, const std::vector<uint8_t>& rgb, int quality);
bool WriteJpeg(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
               int quality);
