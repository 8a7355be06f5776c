// ContactSheet: pictures laid out in a labelled grid, written as one PNG,
// for looking at many textures or frames at a glance.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The picture box-filtered into cellWidth x cellHeight pixels, aspect kept
// and centred on dark grey.
std::vector<uint8_t> FitRgb(int width, int height, const std::vector<uint8_t>& rgb, int cellWidth,
                            int cellHeight);

class ContactSheet {
 public:
  // Every picture is scaled into a cell of cellWidth x cellHeight pixels
  // (aspect kept) with its label below; columns cells make a row.
  ContactSheet(int cellWidth, int cellHeight, int columns, std::string fontPath);
  // rgb: width * height * 3 bytes, top row first.
  void Add(int width, int height, const std::vector<uint8_t>& rgb, const std::string& label);
  bool Write(const std::string& path) const;
  size_t count() const { return cells_.size(); }

 private:
  struct Cell {
    std::vector<uint8_t> rgb;  // cellWidth x cellHeight
    std::string label;
  };
  int cellWidth_, cellHeight_, columns_;
  std::string fontPath_;
  std::vector<Cell> cells_;
};
