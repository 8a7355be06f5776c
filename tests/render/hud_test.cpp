#include "render/hud.h"

#include <string>
#include <tuple>

#include "render/overlay_gl.h"

namespace {

class HudTest : public OverlayGl {
 protected:
  void OpenWithFont() {
    Open(800, 600);
    ServeFontPicture(resources);
    BuildDigitFont(hud.font, render);
  }
  // The cells of text, glyph by glyph from x, as they appear in the frame.
  // unit: window pixels per overlay unit.
  void ExpectText(const Frame& frame, float x, int y, const std::string& text, float unit = 1) {
    for (size_t k = 0; k < text.size(); ++k)
      EXPECT_EQ(CellAt(frame, x + (float(k) * 44.8f + 32) * unit, y), text[k] - '0') << text << " glyph " << k;
  }
  GLint BlendDestination() {
    GLint function = 0;
    glGetIntegerv(GL_BLEND_DST, &function);
    return function;
  }
  Hud hud;
};

TEST_F(HudTest, ClockShowsItsCellsFromItsPlaceInBothModes) {
  OpenWithFont();
  struct Case {
    bool hrs12;
    LocalTime time;
    const char* text;
    int left, right;  // lit columns
  };
  for (Case c :
       {Case{true, {13, 5, 9}, "01:05:09<", 370, 792}, Case{true, {0, 30, 0}, "12:30:00;", 370, 792},
        Case{true, {12, 0, 0}, "12:00:00<", 370, 792}, Case{true, {11, 59, 59}, "11:59:59;", 370, 792},
        Case{false, {9, 7, 3}, "09:07:03", 420, 798}}) {  // 797.6
    settings.Hrs12 = c.hrs12;
    Clear({0, 0, 0});
    DrawClock(hud, settings, c.time);
    Frame frame = Grab();
    ExpectText(frame, c.left, 32, c.text);
    EXPECT_EQ(Extent(frame, Lit), (PixelRect{c.left, 0, c.right, 64})) << c.text;
  }
}

TEST_F(HudTest, OnAWideWindowTheDigitsKeepTheirShapeAndTheClockItsRightMargin) {
  Open(1280, 720);  // 1.2 pixels per overlay unit both ways
  ServeFontPicture(resources);
  BuildDigitFont(hud.font, render);
  DrawClock(hud, settings, {9, 7, 3});
  Frame frame = Grab();
  ExpectText(frame, 687 * 1.2f, 38, "09:07:03", 1.2f);
  EXPECT_EQ(Extent(frame, Lit), (PixelRect{824, 0, 1278, 77}));
  Clear({0, 0, 0});
  DrawFps(hud, settings, 60);
  EXPECT_EQ(Extent(Grab(), Lit), (PixelRect{0, 648, 131, 720}));
}

TEST_F(HudTest, FrameCounterDrawsWhiteFontDigitsTopLeftWhateverTheStateBefore) {
  OpenWithFont();
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, 0);
  glColor4f(1, 0, 0, 1);
  Clear({20, 20, 20});
  DrawFps(hud, settings, 60);
  Frame frame = Grab();
  EXPECT_EQ(Extent(frame, [](Rgb c) { return c.r + c.g + c.b > 90; }), (PixelRect{0, 540, 109, 600}));
  // Added to the frame: each glyph shows its cell brightened by the background.
  Rgb six = CellColour(6), zero = CellColour(0);
  EXPECT_TRUE(Near({six.r + 20, six.g + 20, six.b + 20}, 6)(frame.At(32, 570)));
  EXPECT_TRUE(Near({zero.r + 20, zero.g + 20, zero.b + 20}, 6)(frame.At(77, 570)));
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

TEST_F(HudTest, FadesDrawBetweenTheirEndsInTheirOrder) {
  Open(64, 64);
  struct Case {
    FadeKind kind;
    FadeWindow window;
    double t;
    int grey;  // left on a white picture, or a black one for the white fades
  };
  const Case cases[] = {
      {FadeInFromBlack, {0, 5}, 0, 0},
      {FadeInFromBlack, {0, 5}, 2.5, 128},
      {FadeInFromBlack, {0, 5}, 5, 255},
      {FadeOutToBlack, {2, 4}, 3, 128},
      {FadeOutToBlack, {2, 4}, 4.5, 255},
      {FadeOutToBlack, {-1, -1}, 0, 255},
      {FadeInFromWhite, {0, 4}, 1, 191},
      // A window of no length is complete at its one instant.
      {FadeOutToBlack, {0, 0}, 0, 0},
      {FadeInFromBlack, {0, 0}, 0, 255},
      {FadeOutToWhite, {0, 0}, 0, 255},
      {FadeOutToBlack, {0, 0}, 0.01, 255},
  };
  for (const Case& c : cases) {
    bool white = c.kind == FadeOutToWhite || c.kind == FadeInFromWhite;
    Clear(white ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
    FadeWindow fades[FadeKindCount];
    fades[c.kind] = c.window;
    FadeOverlay(settings, c.t, fades);
    EXPECT_TRUE(Near({c.grey, c.grey, c.grey}, 2)(Grab().At(32, 32)))
        << "kind " << c.kind << " (" << c.window.start << ", " << c.window.end << ") at " << c.t;
  }

  // Black first, then white over it: 255 -> 127.5 -> 191.
  Clear({255, 255, 255});
  FadeWindow both[FadeKindCount];
  both[FadeOutToBlack] = both[FadeOutToWhite] = {25, 30};
  FadeOverlay(settings, 27.5, both);
  EXPECT_TRUE(Near({191, 191, 191}, 2)(Grab().At(32, 32)));
}

TEST_F(HudTest, FadesCoverThePictureRowsBandsTheRestAndBothPutTheStateBack) {
  Open(800, 600, true);  // picture rows 75 to 524
  FadeWindow fades[FadeKindCount];
  fades[FadeOutToWhite] = {0, 1};
  FadeOverlay(settings, 1, fades);
  EXPECT_EQ(Extent(Grab(), Lit), (PixelRect{0, 75, 800, 525}));
  EXPECT_EQ(BlendDestination(), GL_ONE);

  Clear({255, 255, 255});
  glDisable(GL_BLEND);  // as the frame leaves it before the bands
  DrawLetterbox(settings);
  Frame frame = Grab();
  EXPECT_EQ(Extent(frame, Near({255, 255, 255})), (PixelRect{0, 75, 800, 525}));
  for (int y : {0, 74, 525, 599}) EXPECT_FALSE(Lit(frame.At(400, y))) << "row " << y;

  for (auto [width, height, band] : {std::tuple{1920, 1200, 60}, {1280, 720, 0}}) {
    Open(width, height, true);
    Clear({255, 255, 255});
    glDisable(GL_BLEND);
    DrawLetterbox(settings);
    EXPECT_EQ(Extent(Grab(), Near({255, 255, 255})), (PixelRect{0, band, width, height - band})) << width;
  }

  for (GLenum cap : {GL_TEXTURE_2D, GL_LIGHTING, GL_DEPTH_TEST}) EXPECT_TRUE(glIsEnabled(cap)) << cap;
}

// Loading pictures: load.jpg in four quadrants, loadg.jpg plain blue.
Rgb LoadingQuadrant(int x, int y) {
  if (y < 128) return x < 128 ? Rgb{200, 0, 0} : Rgb{0, 200, 0};
  return x < 128 ? Rgb{200, 200, 0} : Rgb{200, 100, 0};
}

class LoadingScreenTest : public HudTest {
 protected:
  void SetUp() override {
    HudTest::SetUp();
    resources.Set(133, Jpeg(256, 256, LoadingQuadrant));
    resources.Set(134, Jpeg(256, 256, [](int, int) { return Rgb{0, 0, 160}; }));
  }
  void ServeInvisibleCorners() {  // as shipped, apart from the logo
    for (int id : {129, 130, 131, 132})
      resources.Set(id, Tga(1, 1, 0, [](int, int) { return Rgb{255, 255, 255}; }));
  }
};

TEST_F(LoadingScreenTest, LoadingPictureStandsUprightInTheMiddleAtAnySize) {
  ServeInvisibleCorners();
  struct Case {
    int width, height;
    PixelRect picture;
  };
  for (Case c : {Case{800, 600, {272, 152, 528, 448}}, Case{1024, 768, {348, 195, 676, 573}},
                 Case{1280, 720, {486, 182, 794, 538}}}) {
    Open(c.width, c.height);
    LoadLoadingImages(hud, render);
    LoadingScreen(hud, settings, 1);
    Frame frame = Grab();
    EXPECT_EQ(Extent(frame, Lit), c.picture) << c.width;
    const PixelRect& p = c.picture;
    EXPECT_TRUE(Near({200, 0, 0}, 6)(frame.At(p.left + 20, p.top - 20)));
    EXPECT_TRUE(Near({0, 200, 0}, 6)(frame.At(p.right - 20, p.top - 20)));
    EXPECT_TRUE(Near({200, 200, 0}, 6)(frame.At(p.left + 20, p.bottom + 20)));
    EXPECT_TRUE(Near({200, 100, 0}, 6)(frame.At(p.right - 20, p.bottom + 20)));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(BlendDestination(), GL_ONE_MINUS_SRC_ALPHA);
  }
  EXPECT_NE(log.str().find("Load texture <load.jpg> ...\nLoad texture <loadg.jpg> ...\n"), std::string::npos);
}

TEST_F(LoadingScreenTest, EachCornerImageCovers256By128PixelsOfItsCorner) {
  // Bottom right: the logo, its top half magenta. Bottom left: half
  // transparent red. Top left: green. Top right: missing, so untextured.
  resources.Set(129, Tga(256, 128, 255, [](int, int y) {
                  return y < 64 ? Rgb{255, 0, 255} : Rgb{0, 0, 255};
                }));
  resources.Set(130, Tga(1, 1, 128, [](int, int) { return Rgb{255, 0, 0}; }));
  resources.Set(132, Tga(1, 1, 255, [](int, int) { return Rgb{0, 255, 0}; }));
  for (int size : {800, 1024}) {
    Open(size, size * 3 / 4);
    int w = size, h = size * 3 / 4;
    LoadLoadingImages(hud, render);
    Clear({0, 0, 128});
    LoadingScreen(hud, settings, 1);
    Frame frame = Grab();
    EXPECT_EQ(Extent(frame, Near({255, 0, 255}, 2)), (PixelRect{w - 256, 64, w, 128})) << size;
    EXPECT_EQ(Extent(frame, Near({0, 0, 255}, 2)), (PixelRect{w - 256, 0, w, 64})) << size;
    EXPECT_EQ(Extent(frame, Near({128, 0, 64}, 2)), (PixelRect{0, 0, 256, 128})) << size;
    EXPECT_EQ(Extent(frame, Near({0, 255, 0}, 2)), (PixelRect{0, h - 128, 256, h})) << size;
    EXPECT_EQ(Extent(frame, Near({255, 255, 255}, 2)), (PixelRect{w - 256, h - 128, w, h})) << size;
  }
}

TEST_F(LoadingScreenTest, IntroKeepsTheLoadingScreensBlendingOnceThenAddsAndEndsWhite) {
  ServeInvisibleCorners();
  Open(800, 600);
  LoadLoadingImages(hud, render);
  LoadingScreen(hud, settings, 1);
  Clear({0, 0, 0});
  IntroTransition(hud, settings, 0);  // the loading picture over the glow, opaque
  EXPECT_TRUE(Near({200, 0, 0}, 6)(Grab().At(300, 400)));
  Clear({0, 0, 0});
  IntroTransition(hud, settings, 0);  // from now on added
  EXPECT_TRUE(Near({200, 0, 160}, 6)(Grab().At(300, 400)));

  // Halfway: glow and picture at half and quarter strength under half white;
  // the glow has swelled beyond the picture (half-widths 161.3 and 148).
  Clear({0, 0, 0});
  IntroTransition(hud, settings, 3);
  Frame frame = Grab();
  EXPECT_TRUE(Near({128, 128, 128}, 3)(frame.At(100, 300)));
  EXPECT_TRUE(Near({128, 128, 128}, 3)(frame.At(237, 300)));
  EXPECT_TRUE(Near({128, 128, 168}, 3)(frame.At(240, 300)));
  EXPECT_TRUE(Near({153, 128, 168}, 3)(frame.At(300, 400)));
  EXPECT_EQ(BlendDestination(), GL_ONE);

  Clear({0, 0, 0});
  IntroTransition(hud, settings, 2.99f);
  EXPECT_EQ(Extent(Grab(), Near({255, 255, 255}, 2)), (PixelRect{0, 0, 800, 600}));
}

}  // namespace
