// Draws a line of text with FreeType into a coverage mask, for titles and
// glyph textures made by the generators. Coverage is 0..1 per pixel.
#pragma once
#include <string>

#include "tools/common/image.h"

struct TextMask {
  GrayImage coverage;  // the ink's bounding box plus the margin on every side
  int baseline = 0;    // row of the mask on which the text's baseline lies
  bool ok = false;     // false when the font could not be opened or drawn
};

// `pixelSize` is the em size in pixels; `tracking` adds that many pixels
// between neighbouring glyphs (negative tightens). Kerning is applied.
TextMask RenderText(const std::string& fontPath, const std::string& text, int pixelSize, float tracking,
                    int margin);
