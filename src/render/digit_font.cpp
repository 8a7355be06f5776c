#include "render/digit_font.h"

#include "render/texture_loader.h"

namespace {

void CompileCell(GLuint list, int cell) {
  float u0 = float(cell % 4) * 0.25f, u1 = u0 + 0.25f;
  float vTop = 1.0f - float(cell / 4) * 0.25f, vBottom = vTop - 0.25f;
  glNewList(list, GL_COMPILE);
  glBegin(GL_QUADS);
  glTexCoord2f(u0, vBottom), glVertex2f(0, 0);
  glTexCoord2f(u1, vBottom), glVertex2f(DigitGlyphSize, 0);
  glTexCoord2f(u1, vTop), glVertex2f(DigitGlyphSize, DigitGlyphSize);
  glTexCoord2f(u0, vTop), glVertex2f(0, DigitGlyphSize);
  glEnd();
  glTranslatef(DigitAdvance, 0, 0);
  glEndList();
}

}  // namespace

void BuildDigitFont(DigitFont& font, const RenderResources& render) {
  LoadTexture(render, font.texture, "c.jpg");
  font.firstList = glGenLists(DigitCellCount);
  glBindTexture(GL_TEXTURE_2D, font.texture);
  if (font.firstList == 0) return;
  for (int cell = 0; cell < DigitCellCount; ++cell) CompileCell(font.firstList + GLuint(cell), cell);
}

void DrawDigits(const DigitFont& font, int x, int y, const char* text) {
  glTranslatef(float(x), float(y), 0);
  if (font.firstList == 0) return;
  for (const char* c = text; *c; ++c) {
    int cell = static_cast<signed char>(*c) - '0';
    if (cell >= 0 && cell < DigitCellCount) glCallList(font.firstList + GLuint(cell));
  }
}
