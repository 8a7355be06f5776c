// Encodes a Windows icon file from square 8-bit RGBA pictures (rows top
// first). Images up to 128 pixels are stored as 32-bit DIBs with an AND mask;
// larger ones (256) as PNG, the form Windows expects for big icons. The
// directory lists the images in the order given.
#pragma once
#include <cstdint>
#include <vector>

struct IconImage {
  int size = 0;                // width and height in pixels, 1..256
  std::vector<uint8_t> rgba;   // size * size * 4 bytes
};

std::vector<uint8_t> EncodeIco(const std::vector<IconImage>& images);
