// The float picture helpers and the tileable noise the generators build on.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/common/image.h"
#include "tools/common/noise.h"
#include "tools/common/text_raster.h"

namespace {

GrayImage Ramp(int w, int h) {
  GrayImage g(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) g.At(x, y) = float((x * 7 + y * 13) % 17) / 17.0f;
  return g;
}

double Sum(const GrayImage& g) {
  double s = 0;
  for (float v : g.Pixels()) s += v;
  return s;
}

TEST(Image, WrappedBlurKeepsTheTotalAndSpreadsAPoint) {
  GrayImage g = Ramp(40, 30);
  EXPECT_NEAR(Sum(Blur(g, 2.5f, Edge::Wrap)), Sum(g), 1e-2);
  GrayImage point(21, 21);
  point.At(0, 10) = 1;
  GrayImage b = Blur(point, 1.5f, Edge::Wrap);
  EXPECT_NEAR(b.At(1, 10), b.At(20, 10), 1e-6);  // wraps around the left edge
  EXPECT_LT(b.At(0, 10), 1.0f);
  EXPECT_GT(b.At(0, 10), b.At(1, 10));
}

TEST(Image, ResampleAveragesWhenShrinkingAndKeepsConstants) {
  GrayImage g(4, 2);
  g.Pixels() = {0, 1, 2, 3, 4, 5, 6, 7};
  GrayImage half = Resample(g, 2, 1, Edge::Clamp);
  EXPECT_NEAR(half.At(0, 0), (0 + 1 + 4 + 5) / 4.0f, 1e-5);
  EXPECT_NEAR(half.At(1, 0), (2 + 3 + 6 + 7) / 4.0f, 1e-5);
  GrayImage flat(7, 5, 0.25f);
  for (const GrayImage& r : {Resample(flat, 16, 3, Edge::Clamp), Resample(flat, 3, 11, Edge::Wrap)})
    for (float v : r.Pixels()) EXPECT_NEAR(v, 0.25f, 1e-5);
}

TEST(Image, EightBitConversionKeepsBlackAndWhiteAndDithersWithoutBias) {
  RgbImage img(64, 64, {0.0f, 1.0f, 0.3f});
  std::vector<uint8_t> rgb = ToRgb8(img, 5);
  double blue = 0;
  for (size_t i = 0; i < rgb.size(); i += 3) {
    ASSERT_EQ(rgb[i], 0);
    ASSERT_EQ(rgb[i + 1], 255);
    blue += rgb[i + 2];
  }
  EXPECT_NEAR(blue / (64 * 64), 0.3 * 255, 0.2);
  EXPECT_EQ(ToRgb8(img, 5), rgb);  // the dither is seeded, not random
}

TEST(Noise, PeriodicNoiseTilesAndMatchesPlainNoiseAtItsNaturalPeriod) {
  const Noise n(9);
  for (float x : {0.3f, 2.7f, 5.1f})
    for (float y : {0.6f, 3.9f}) {
      EXPECT_NEAR(n.AtPeriodic(x, y, 0.4f, 6), n.AtPeriodic(x + 6, y, 0.4f, 6), 1e-5);
      EXPECT_NEAR(n.AtPeriodic(x, y, 0.4f, 6), n.AtPeriodic(x, y - 6, 0.4f, 6), 1e-5);
      EXPECT_NEAR(n.FbmPeriodic(x, y, 0.4f, 4, 3), n.FbmPeriodic(x + 3, y + 3, 0.4f, 4, 3), 1e-5);
      EXPECT_FLOAT_EQ(n.At(x, y, 0.4f), n.AtPeriodic(x, y, 0.4f, 256));
    }
  EXPECT_NE(n.AtPeriodic(0.3f, 0.6f, 0.4f, 6), n.AtPeriodic(3.3f, 0.6f, 0.4f, 6));
}

TEST(TextRaster, DrawsInkOnItsBaselineAndFailsCleanlyWithoutAFont) {
  TextMask t = RenderText(std::string(QV_FONT_DIR) + "/DejaVuSans.ttf", "8_", 40, 0, 2);
  ASSERT_TRUE(t.ok);
  EXPECT_GT(Sum(t.coverage), 100.0);
  // "8" sits on the baseline and the underscore hangs below it.
  EXPECT_GT(t.baseline, 20);
  EXPECT_LT(t.baseline, t.coverage.Height() - 2);
  TextMask missing = RenderText("/nonexistent/font.ttf", "8", 40, 0, 0);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.coverage.Width(), 0);
}

}  // namespace
