// The digit font "c.jpg": 256 x 256, a 4 x 4 grid of 64 x 64 cells (rows
// counted from the top), cells 0-9 the digits, 10 a colon, 11 and 12 the
// small am and pm marks of the 12-hour clock. Glyphs glow white-blue on black
// (drawn additively) and keep to the middle of their cells, since the clock
// advances only 44.8 units per 64-unit cell.
#include <algorithm>
#include <cmath>

#include "tools/common/text_raster.h"
#include "tools/gen/textures/art.h"

namespace {

constexpr int kCell = 64;
constexpr int kBaseline = 51;  // pixel row of the glyphs' baseline within a cell

struct CellText {
  const char* text;
  const char* font;
  int pixelSize;
};

const CellText kCells[13] = {
    {"0", "DejaVuSansCondensed-Bold.ttf", 50}, {"1", "DejaVuSansCondensed-Bold.ttf", 50},
    {"2", "DejaVuSansCondensed-Bold.ttf", 50}, {"3", "DejaVuSansCondensed-Bold.ttf", 50},
    {"4", "DejaVuSansCondensed-Bold.ttf", 50}, {"5", "DejaVuSansCondensed-Bold.ttf", 50},
    {"6", "DejaVuSansCondensed-Bold.ttf", 50}, {"7", "DejaVuSansCondensed-Bold.ttf", 50},
    {"8", "DejaVuSansCondensed-Bold.ttf", 50}, {"9", "DejaVuSansCondensed-Bold.ttf", 50},
    {":", "DejaVuSansCondensed-Bold.ttf", 50}, {"am", "DejaVuSans-Bold.ttf", 19},
    {"pm", "DejaVuSans-Bold.ttf", 19},
};

// One cell's glowing glyph, centred horizontally on its ink, faded to black
// towards the cell's border so neighbouring cells never bleed into each other.
bool DrawCell(const ArtInputs& inputs, const CellText& cell, RgbImage& sheet, int index) {
  TextMask mask = RenderText(inputs.fontDir + "/" + cell.font, cell.text, cell.pixelSize, 0, 0);
  if (!mask.ok) return false;
  GrayImage coverage(kCell, kCell);
  Stamp(coverage, mask.coverage, (kCell - mask.coverage.Width()) / 2, kBaseline - mask.baseline);
  RgbImage glyph = GlowingText(coverage, {0.88f, 0.94f, 1.0f}, {0.30f, 0.55f, 1.0f}, 1.8f, 4.5f);
  const int x0 = (index % 4) * kCell, y0 = (index / 4) * kCell;
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      float edge = float(std::min({x, y, kCell - 1 - x, kCell - 1 - y}));
      sheet.At(x0 + x, y0 + y) = Scale(glyph.At(x, y), Smoothstep(0.5f, 5.0f, edge));
    }
  return true;
}

}  // namespace

void AddFontJobs(std::vector<ArtJob>& jobs) {
  jobs.push_back({"c.jpg", [](const ArtInputs& inputs) {
                    RgbImage sheet(4 * kCell, 4 * kCell);
                    for (int i = 0; i < 13; ++i)
                      if (!DrawCell(inputs, kCells[i], sheet, i)) return std::vector<Picture>{};
                    return std::vector<Picture>{ArchiveJpeg(
                        "c.jpg", sheet, "font",
                        "Digit font of the clock and frame counter: 4 x 4 cells of 64, 0-9, colon, am, pm; "
                        "glowing white-blue on black",
                        92)};
                  }});
}
