// The loading screen's numbered resources: the picture (the word LOADING
// over a line), its glowing variant for the intro, the product logo for the
// bottom-right corner and the three empty 1 x 1 corners.
#include <algorithm>
#include <cmath>

#include "tools/common/jpeg_writer.h"
#include "tools/common/text_raster.h"
#include "tools/common/tga_writer.h"
#include "tools/gen/textures/art.h"

namespace {

constexpr int kSize = 256;
// The loading screen stretches the 256 x 256 picture to 256 x 296 overlay
// units; drawing it squeezed by the inverse keeps the letters' proportions.
constexpr float kSqueeze = 256.0f / 296.0f;

// Coverage of the LOADING picture: spaced capitals and a line that fades at
// both ends, with a brighter middle.
bool LoadingCoverage(const ArtInputs& inputs, GrayImage& out) {
  TextMask word = RenderText(inputs.fontDir + "/DejaVuSans.ttf", "LOADING", 2 * 27, 2 * 7.0f, 0);
  if (!word.ok) return false;
  GrayImage text = Resample(word.coverage, word.coverage.Width() / 2,
                            std::max(1, int(float(word.coverage.Height()) / 2 * kSqueeze)), Edge::Clamp);
  out = GrayImage(kSize, kSize);
  Stamp(out, text, (kSize - text.Width()) / 2, 112 - text.Height());
  for (int x = 0; x < kSize; ++x) {
    float d = std::fabs(float(x) - 127.5f) / 100.0f;
    float v = d < 1 ? (1 - d * d) * (0.55f + 0.45f * std::exp(-d * d / 0.02f)) : 0.0f;
    out.At(x, 124) = std::max(out.At(x, 124), v);
    out.At(x, 125) = std::max(out.At(x, 125), v * 0.45f);
  }
  return true;
}

RgbImage LoadingPicture(const GrayImage& coverage) {
  return GlowingText(coverage, {0.86f, 0.92f, 1.0f}, {0.10f, 0.2f, 0.45f}, 1.2f, 3.0f);
}

// The intro swells this picture as it fades: a wide blue glow of the same
// layout.
RgbImage GlowPicture(const GrayImage& coverage) {
  GrayImage wide = Blur(coverage, 5.0f, Edge::Clamp), wider = Blur(coverage, 13.0f, Edge::Clamp);
  RgbImage out(kSize, kSize);
  for (size_t i = 0; i < out.Pixels().size(); ++i) {
    float c = coverage.Pixels()[i] * 0.5f, a = wide.Pixels()[i] * 2.2f, b = wider.Pixels()[i] * 2.6f;
    out.Pixels()[i] = ToneMap(Add(Scale({0.7f, 0.85f, 1.0f}, c + a), Scale({0.2f, 0.42f, 1.0f}, b)));
  }
  return out;
}

Picture LoadingJpeg(const std::string& name, const RgbImage& image, const std::string& use) {
  std::vector<uint8_t> rgb = ToRgb8(image, 133);
  return ResourceFile(name, EncodeJpeg(kSize, kSize, rgb, 92), kSize, kSize, rgb, "loading", use);
}

// The logo: "Quorvan" in white, "3D" in blue, a spaced SCREENSAVER below,
// right-aligned in the bottom-right corner, with a soft glow in the alpha.
bool Logo(const ArtInputs& inputs, RgbImage& color, GrayImage& alpha) {
  TextMask name = RenderText(inputs.fontDir + "/DejaVuSans-Bold.ttf", "Quorvan", 2 * 30, -2.0f, 0);
  TextMask mark = RenderText(inputs.fontDir + "/DejaVuSans-BoldOblique.ttf", "3D", 2 * 30, -2.0f, 0);
  TextMask tag = RenderText(inputs.fontDir + "/DejaVuSans.ttf", "SCREENSAVER", 2 * 9, 2 * 3.2f, 0);
  if (!name.ok || !mark.ok || !tag.ok) return false;
  const int w = 2 * 256, h = 2 * 128, right = w - 2 * 14, baseline = h - 2 * 34;
  GrayImage white(w, h), blue(w, h);
  int markX = right - mark.coverage.Width();
  Stamp(blue, mark.coverage, markX, baseline - mark.baseline);
  Stamp(white, name.coverage, markX - 2 * 7 - name.coverage.Width(), baseline - name.baseline);
  Stamp(white, tag.coverage, right - tag.coverage.Width(), baseline + 2 * 8);
  for (int x = markX - 2 * 7 - name.coverage.Width(); x < right; ++x)  // a fine rule under the name
    white.At(x, baseline + 2 * 4) = std::max(white.At(x, baseline + 2 * 4), 0.5f * Smoothstep(float(markX - 200), float(right), float(x)));
  white = Resample(white, 256, 128, Edge::Clamp);
  blue = Resample(blue, 256, 128, Edge::Clamp);
  color = RgbImage(256, 128);
  alpha = GrayImage(256, 128);
  GrayImage cover(256, 128);
  for (size_t i = 0; i < cover.Pixels().size(); ++i) cover.Pixels()[i] = std::min(1.0f, white.Pixels()[i] + blue.Pixels()[i]);
  GrayImage glow = Blur(cover, 3.5f, Edge::Clamp);
  const Rgb glowColor{0.30f, 0.55f, 1.0f};
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 256; ++x) {
      float wv = white.At(x, y), bv = blue.At(x, y), c = std::min(1.0f, wv + bv);
      float shine = 1 - 0.25f * float(y % 64) / 64.0f;  // a slight top-to-bottom sheen
      Rgb ink = wv >= bv ? Scale({1.0f, 1.0f, 1.0f}, shine) : Mix({0.55f, 0.80f, 1.0f}, {0.20f, 0.45f, 1.0f}, float(y % 64) / 64.0f);
      float a = std::max(c, std::min(1.0f, 0.9f * glow.At(x, y)));
      alpha.At(x, y) = a;
      // Transparent pixels keep the glow colour, so filtering adds no dark fringe.
      color.At(x, y) = a > 0 ? Mix(glowColor, ink, c / a) : glowColor;
    }
  return true;
}

Picture Tga(const std::string& name, int w, int h, const std::vector<uint8_t>& rgba, const std::string& use) {
  std::vector<uint8_t> look;
  for (size_t i = 0; i < rgba.size(); i += 4)  // shown over black, as the loading screen does
    for (int c = 0; c < 3; ++c) look.push_back(uint8_t(rgba[i + size_t(c)] * rgba[i + 3] / 255));
  return ResourceFile(name, EncodeTga32(w, h, rgba), w, h, look, "loading", use);
}

}  // namespace

void AddLoadingJobs(std::vector<ArtJob>& jobs) {
  jobs.push_back({"load.jpg", [](const ArtInputs& inputs) {
                    GrayImage coverage;
                    if (!LoadingCoverage(inputs, coverage)) return std::vector<Picture>{};
                    return std::vector<Picture>{
                        LoadingJpeg("load.jpg", LoadingPicture(coverage), "Resource 133: loading picture, LOADING over a line"),
                        LoadingJpeg("loadg.jpg", GlowPicture(coverage), "Resource 134: glowing variant of the loading picture (intro)")};
                  }});
  jobs.push_back({"4loader_rd.tga", [](const ArtInputs& inputs) {
                    RgbImage color;
                    GrayImage alpha;
                    if (!Logo(inputs, color, alpha)) return std::vector<Picture>{};
                    std::vector<Picture> out{Tga("4loader_rd.tga", 256, 128, ToRgba8(color, alpha, 129),
                                                 "Resource 129: product logo for the bottom-right corner, 32-bit with alpha")};
                    const std::vector<uint8_t> empty{255, 255, 255, 0};
                    out.push_back(Tga("4loader_ld.tga", 1, 1, empty, "Resource 130: empty bottom-left corner (white, alpha 0)"));
                    out.push_back(Tga("4loader_ru.tga", 1, 1, empty, "Resource 131: empty top-right corner (white, alpha 0)"));
                    out.push_back(Tga("4loader_lu.tga", 1, 1, empty, "Resource 132: empty top-left corner (white, alpha 0)"));
                    return out;
                  }});
}
