#include "tools/common/contact_sheet.h"

#include <algorithm>

#include "tools/common/png_writer.h"
#include "tools/common/text_raster.h"

namespace {

constexpr int LabelHeight = 18;
constexpr int Gap = 4;

}  // namespace

std::vector<uint8_t> FitRgb(int width, int height, const std::vector<uint8_t>& rgb, int cellWidth,
                                 int cellHeight) {
  std::vector<uint8_t> cell(size_t(cellWidth) * size_t(cellHeight) * 3, 24);
  float scale = std::min(float(cellWidth) / float(width), float(cellHeight) / float(height));
  int w = std::max(1, int(float(width) * scale)), h = std::max(1, int(float(height) * scale));
  int left = (cellWidth - w) / 2, top = (cellHeight - h) / 2;
  for (int y = 0; y < h; ++y) {
    int y0 = y * height / h, y1 = std::max(y0 + 1, (y + 1) * height / h);
    for (int x = 0; x < w; ++x) {
      int x0 = x * width / w, x1 = std::max(x0 + 1, (x + 1) * width / w);
      for (int c = 0; c < 3; ++c) {
        int sum = 0;
        for (int sy = y0; sy < y1; ++sy)
          for (int sx = x0; sx < x1; ++sx) sum += rgb[(size_t(sy) * size_t(width) + size_t(sx)) * 3 + size_t(c)];
        cell[(size_t(top + y) * size_t(cellWidth) + size_t(left + x)) * 3 + size_t(c)] =
            uint8_t(sum / ((y1 - y0) * (x1 - x0)));
      }
    }
  }
  return cell;
}

ContactSheet::ContactSheet(int cellWidth, int cellHeight, int columns, std::string fontPath)
    : cellWidth_(cellWidth), cellHeight_(cellHeight), columns_(columns), fontPath_(std::move(fontPath)) {}

void ContactSheet::Add(int width, int height, const std::vector<uint8_t>& rgb, const std::string& label) {
  cells_.push_back({FitRgb(width, height, rgb, cellWidth_, cellHeight_), label});
}

bool ContactSheet::Write(const std::string& path) const {
  if (cells_.empty()) return false;
  const int columns = std::min<int>(columns_, int(cells_.size()));
  const int rows = int((cells_.size() + size_t(columns) - 1) / size_t(columns));
  const int pitchX = cellWidth_ + Gap, pitchY = cellHeight_ + LabelHeight + Gap;
  const int width = columns * pitchX + Gap, height = rows * pitchY + Gap;
  std::vector<uint8_t> sheet(size_t(width) * size_t(height) * 3, 0);
  for (size_t i = 0; i < cells_.size(); ++i) {
    int left = Gap + int(i % size_t(columns)) * pitchX, top = Gap + int(i / size_t(columns)) * pitchY;
    for (int y = 0; y < cellHeight_; ++y)
      std::copy_n(&cells_[i].rgb[size_t(y) * size_t(cellWidth_) * 3], size_t(cellWidth_) * 3,
                  &sheet[(size_t(top + y) * size_t(width) + size_t(left)) * 3]);
    TextMask text = RenderText(fontPath_, cells_[i].label, 12, 0, 1);
    if (!text.ok) continue;
    for (int y = 0; y < std::min(text.coverage.Height(), LabelHeight); ++y)
      for (int x = 0; x < std::min(text.coverage.Width(), cellWidth_); ++x) {
        uint8_t ink = uint8_t(std::clamp(text.coverage.At(x, y), 0.0f, 1.0f) * 230);
        uint8_t* p = &sheet[(size_t(top + cellHeight_ + 1 + y) * size_t(width) + size_t(left + x)) * 3];
        p[0] = p[1] = p[2] = ink;
      }
  }
  return WritePng(path, width, height, 3, sheet);
}
