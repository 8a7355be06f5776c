#include "render/digit_font.h"

#include "render/overlay.h"
#include "render/overlay_gl.h"

namespace {

class DigitFontTest : public OverlayGl {
 protected:
  // 800 x 600, so one overlay unit is one pixel.
  void SetUp() override {
    OverlayGl::SetUp();
    Open(800, 600);
  }
  // White glyphs with the font texture, added to the frame as the clock does.
  Frame Draw(int x, int y, const char* text) {
    BeginOverlay2D(settings);
    glBindTexture(GL_TEXTURE_2D, font.texture);
    glColor4f(1, 1, 1, 1);
    DrawDigits(font, x, y, text);
    EndOverlay2D(settings);
    return Grab();
  }
  DigitFont font;
};

TEST_F(DigitFontTest, EachCharacterDrawsItsCellCountedFromTheTopLeft) {
  ServeFontPicture(resources);
  BuildDigitFont(font, render);
  EXPECT_EQ(log.str(), "Load texture <c.jpg> ...\n");
  Frame frame = Draw(0, 0, "0123456789:;<");
  for (int cell = 0; cell < DigitCellCount; ++cell)
    EXPECT_EQ(CellAt(frame, cell * 44.8f + 32, 32), cell) << "cell " << cell;
}

TEST_F(DigitFontTest, EightGlyphsSpanSevenAdvancesAndOneGlyph) {
  ServeFontPicture(resources);
  BuildDigitFont(font, render);
  EXPECT_EQ(Extent(Draw(420, 0, "12:05:09"), Lit), (PixelRect{420, 0, 798, 64}));
}

TEST_F(DigitFontTest, CharactersOutsideTheFontAreSkippedWithoutCallingAnyOtherList) {
  ServeFontPicture(resources);
  GLuint before = glGenLists(1);
  BuildDigitFont(font, render);
  GLuint after = glGenLists(1);
  ASSERT_EQ(before + 1, font.firstList);  // what '/' would call
  ASSERT_EQ(after, font.firstList + 13);  // what '=' would call
  for (GLuint list : {before, after}) {
    glNewList(list, GL_COMPILE);
    glTranslatef(400, 0, 0);
    glEndList();
  }
  Frame frame = Draw(0, 0,
                     "1/=\x80\xff"
                     "2");
  EXPECT_EQ(Extent(frame, Lit), (PixelRect{0, 0, 109, 64}));
  EXPECT_EQ(CellAt(frame, 32, 32), 1);
  EXPECT_EQ(CellAt(frame, 44.8f + 32, 32), 2);
}

TEST_F(DigitFontTest, WithoutThePictureTheGlyphsDrawAsWhiteQuads) {
  BuildDigitFont(font, render);
  EXPECT_EQ(log.str(), "Load texture <c.jpg> ...failed!\n");
  EXPECT_EQ(font.texture, 0u);
  Frame frame = Draw(0, 0, "7");
  EXPECT_EQ(Extent(frame, Near({255, 255, 255})), (PixelRect{0, 0, 64, 64}));
}

}  // namespace
