#include "tools/common/text_raster.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

struct PlacedGlyph {
  int left = 0, top = 0;  // bitmap origin relative to the pen's start, y up
  int width = 0, rows = 0;
  std::vector<uint8_t> bits;
};

// Rasterises each character and lays them out along the baseline.
bool Layout(FT_Face face, const std::string& text, float tracking, std::vector<PlacedGlyph>& glyphs) {
  float pen = 0;
  FT_UInt previous = 0;
  for (unsigned char ch : text) {
    FT_UInt index = FT_Get_Char_Index(face, ch);
    if (previous && index && FT_HAS_KERNING(face)) {
      FT_Vector kern;
      if (FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern) == 0) pen += float(kern.x) / 64.0f;
    }
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return false;
    const FT_GlyphSlot slot = face->glyph;
    PlacedGlyph g;
    g.left = int(std::lround(pen)) + slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = int(slot->bitmap.width);
    g.rows = int(slot->bitmap.rows);
    for (int y = 0; y < g.rows; ++y) {
      const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
      g.bits.insert(g.bits.end(), row, row + g.width);
    }
    glyphs.push_back(std::move(g));
    pen += float(slot->advance.x) / 64.0f + tracking;
    previous = index;
  }
  return true;
}

TextMask Compose(const std::vector<PlacedGlyph>& glyphs, int margin) {
  int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;  // y down from the baseline
  for (const PlacedGlyph& g : glyphs) {
    if (g.width == 0 || g.rows == 0) continue;
    minX = std::min(minX, g.left);
    maxX = std::max(maxX, g.left + g.width);
    minY = std::min(minY, -g.top);
    maxY = std::max(maxY, -g.top + g.rows);
  }
  TextMask mask;
  if (minX > maxX) return mask;
  mask.coverage = GrayImage(maxX - minX + 2 * margin, maxY - minY + 2 * margin);
  mask.baseline = margin - minY;
  for (const PlacedGlyph& g : glyphs)
    for (int y = 0; y < g.rows; ++y)
      for (int x = 0; x < g.width; ++x) {
        float& v = mask.coverage.At(g.left - minX + margin + x, -g.top - minY + margin + y);
        v = std::min(1.0f, v + float(g.bits[size_t(y * g.width + x)]) / 255.0f);
      }
  mask.ok = true;
  return mask;
}

}  // namespace

TextMask RenderText(const std::string& fontPath, const std::string& text, int pixelSize, float tracking,
                    int margin) {
  FT_Library library;
  if (FT_Init_FreeType(&library) != 0) return {};
  TextMask mask;
  FT_Face face;
  if (FT_New_Face(library, fontPath.c_str(), 0, &face) == 0) {
    std::vector<PlacedGlyph> glyphs;
    if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize)) == 0 && Layout(face, text, tracking, glyphs))
      mask = Compose(glyphs, margin);
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return mask;
}
