#include "tools/gen/textures/preview.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "tools/common/png_writer.h"
#include "tools/common/text_raster.h"
#include "tools/gen/textures/sphere_view.h"

namespace {

constexpr int kThumb = 256;
constexpr int kLabel = 18;
constexpr int kColumns = 4;

RgbImage FromRgb8(int width, int height, const std::vector<uint8_t>& rgb) {
  RgbImage image(width, height);
  for (size_t i = 0; i < image.Pixels().size(); ++i)
    image.Pixels()[i] = {rgb[i * 3] / 255.0f, rgb[i * 3 + 1] / 255.0f, rgb[i * 3 + 2] / 255.0f};
  return image;
}

std::string BaseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// Copies `image` into `sheet` at (x0, y0), scaled to fit a thumb cell.
void Place(RgbImage& sheet, const RgbImage& image, int x0, int y0) {
  float k = std::min(float(kThumb) / float(image.Width()), float(kThumb) / float(image.Height()));
  int w = std::max(1, int(float(image.Width()) * k)), h = std::max(1, int(float(image.Height()) * k));
  RgbImage thumb = Resample(image, w, h, Edge::Clamp);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) sheet.At(x0 + x, y0 + y) = thumb.At(x, y);
}

void Label(RgbImage& sheet, const std::string& text, int x0, int y0, const ArtInputs& inputs) {
  TextMask mask = RenderText(inputs.fontDir + "/DejaVuSans.ttf", text, 11, 0, 0);
  if (!mask.ok) return;
  for (int y = 0; y < mask.coverage.Height() && y0 + y < sheet.Height(); ++y)
    for (int x = 0; x < mask.coverage.Width() && x0 + x < sheet.Width(); ++x) {
      float c = mask.coverage.At(x, y);
      Rgb& p = sheet.At(x0 + x, y0 + y);
      p = Mix(p, {1.0f, 0.85f, 0.4f}, c);
    }
}

bool WriteSheet(const std::string& path, const std::vector<std::pair<std::string, RgbImage>>& cells,
                const ArtInputs& inputs) {
  const int rows = int((cells.size() + kColumns - 1) / kColumns);
  RgbImage sheet(kColumns * (kThumb + 8), rows * (kThumb + kLabel + 8), {0.12f, 0.12f, 0.14f});
  for (size_t i = 0; i < cells.size(); ++i) {
    int x0 = int(i % kColumns) * (kThumb + 8) + 4, y0 = int(i / kColumns) * (kThumb + kLabel + 8) + 4;
    Place(sheet, cells[i].second, x0, y0);
    Label(sheet, cells[i].first, x0, y0 + kThumb + 2, inputs);
  }
  return WritePng(path, sheet.Width(), sheet.Height(), 3, ToRgb8(sheet, 1));
}

std::vector<std::pair<std::string, RgbImage>> SphereCells(const Picture& p, const RgbImage& map) {
  std::vector<std::pair<std::string, RgbImage>> cells;
  const std::string name = BaseName(p.path);
  SphereView seam;
  seam.light = {0.2f, 0.3f, 1.0f};
  cells.push_back({name + " seam", RenderSphere(map, nullptr, kThumb, seam)});
  SphereView pole = seam;
  pole.tiltDegrees = 75;
  cells.push_back({name + " north", RenderSphere(map, nullptr, kThumb, pole)});
  pole.tiltDegrees = -75;
  cells.push_back({name + " south", RenderSphere(map, nullptr, kThumb, pole)});
  SphereView lit;
  lit.yawDegrees = 140;
  lit.tiltDegrees = 20;
  cells.push_back({name + " lit", RenderSphere(map, nullptr, kThumb, lit)});
  return cells;
}

}  // namespace

bool WritePreviews(const std::vector<Picture>& pictures, const std::string& dir, const ArtInputs& inputs) {
  std::error_code ec;
  std::filesystem::create_directories(dir + "/full", ec);
  std::map<std::string, std::vector<std::pair<std::string, RgbImage>>> sheets;
  bool ok = true;
  for (const Picture& p : pictures) {
    RgbImage image = FromRgb8(p.width, p.height, p.look);
    ok &= WritePng(dir + "/full/" + BaseName(p.path) + ".png", p.width, p.height, 3, p.look);
    sheets[p.group].push_back({BaseName(p.path), image});
    if (p.planetMap)
      for (auto& cell : SphereCells(p, image)) sheets["spheres_" + p.group].push_back(std::move(cell));
  }
  for (const auto& [group, cells] : sheets) ok &= WriteSheet(dir + "/" + group + ".png", cells, inputs);
  return ok;
}
