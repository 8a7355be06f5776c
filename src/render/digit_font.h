// DigitFont: glowing digits from the archive picture "c.jpg", a 4 x 4 grid
// of cells counted from the top left. Character c ('0' to '<') draws cell
// c - '0': the digits, ':' (cell 10), and the day marks ';' (11, am) and
// '<' (12, pm). Each glyph is a 64-unit quad in the current drawing space,
// followed by an advance of 44.8 units, so neighbours overlap by 30 %.
// Building needs the GL context current; texture and lists live as long as
// the context.
#pragma once
#include "render/gl.h"
#include "render/render_resources.h"

inline constexpr int DigitCellCount = 13;
inline constexpr float DigitGlyphSize = 64.0f;
inline constexpr float DigitAdvance = DigitGlyphSize * 0.7f;

struct DigitFont {
  GLuint texture = 0;    // 0 when "c.jpg" could not be loaded: glyphs draw untextured
  GLuint firstList = 0;  // DigitCellCount consecutive lists; 0 until built
};

// Loads the texture (logged as "Load texture <c.jpg> ...") and compiles the
// lists, one per cell.
void BuildDigitFont(DigitFont& font, const RenderResources& render);

// Draws text from (x, y), moving the model-view matrix along by one advance
// per glyph. Characters outside '0'..'<' are skipped without an advance, so
// no list outside the font's block is ever called. The caller binds the
// font texture and sets colour and blending.
void DrawDigits(const DigitFont& font, int x, int y, const char* text);
