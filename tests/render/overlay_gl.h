// A headless flight window of any size in the resting GL state of the
// start-up, and what the overlay tests read back: whole frames, colour
// matches, the extent of the pixels that match.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <sstream>
#include <vector>

#include "assets/archive/archive_writer.h"
#include "base/debug_log.h"
#include "platform/headless/headless_platform.h"
#include "render/gl.h"
#include "render/gl_setup.h"
#include "settings/display_settings.h"
#include "settings/memory_settings_store.h"
#include "render/render_resources.h"
#include "support/fake_resources.h"
#include "tools/common/jpeg_writer.h"

struct Rgb {
  int r = 0, g = 0, b = 0;
};

// Window pixels [left, right) x [bottom, top), rows counted from the bottom.
struct PixelRect {
  int left = 0, bottom = 0, right = 0, top = 0;
  bool operator==(const PixelRect&) const = default;
  int Area() const { return (right - left) * (top - bottom); }
};
inline std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
  return out << "[" << r.left << ", " << r.right << ") x [" << r.bottom << ", " << r.top << ")";
}

struct Frame {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // bottom row first
  Rgb At(int x, int y) const {
    const uint8_t* p = &rgba[(size_t(y) * width + x) * 4];
    return {p[0], p[1], p[2]};
  }
};

using PixelTest = std::function<bool(Rgb)>;
inline PixelTest Near(Rgb want, int tolerance = 3) {
  return [=](Rgb c) {
    return std::abs(c.r - want.r) <= tolerance && std::abs(c.g - want.g) <= tolerance &&
           std::abs(c.b - want.b) <= tolerance;
  };
}
inline bool Lit(Rgb c) { return c.r + c.g + c.b > 24; }

// The bounding box of the matching pixels, provided they fill it; an empty
// rectangle when none match, {-1, -1, -1, -1} when they leave gaps.
inline PixelRect Extent(const Frame& frame, const PixelTest& matches) {
  PixelRect box{frame.width, frame.height, 0, 0};
  int count = 0;
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      if (!matches(frame.At(x, y))) continue;
      ++count;
      box = {std::min(box.left, x), std::min(box.bottom, y), std::max(box.right, x + 1),
             std::max(box.top, y + 1)};
    }
  }
  if (count == 0) return {};
  return count == box.Area() ? box : PixelRect{-1, -1, -1, -1};
}

// Pictures, rows top first, one colour per pixel.
inline std::vector<uint8_t> Jpeg(int width, int height, const std::function<Rgb(int x, int y)>& colour) {
  std::vector<uint8_t> rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgb c = colour(x, y);
      rgb.insert(rgb.end(), {uint8_t(c.r), uint8_t(c.g), uint8_t(c.b)});
    }
  }
  return EncodeJpeg(width, height, rgb, 100);
}
inline std::vector<uint8_t> Tga(int width, int height, int alpha,
                                const std::function<Rgb(int x, int y)>& colour) {
  std::vector<uint8_t> tga(18);  // uncompressed true colour, 32 bits, bottom-up
  tga[2] = 2, tga[16] = 32, tga[17] = 0x08;
  tga[12] = uint8_t(width), tga[13] = uint8_t(width >> 8);
  tga[14] = uint8_t(height), tga[15] = uint8_t(height >> 8);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      Rgb c = colour(x, y);
      tga.insert(tga.end(), {uint8_t(c.b), uint8_t(c.g), uint8_t(c.r), uint8_t(alpha)});
    }
  }
  return tga;
}

// The test font: every cell of the 4 x 4 grid in a colour of its own.
inline Rgb CellColour(int cell) { return {40 + 13 * cell, 230 - 12 * cell, cell % 2 ? 60 : 200}; }
inline void ServeFontPicture(FakeResources& resources) {
  ArchiveWriter archive;
  archive.AddStored("c.jpg", Jpeg(256, 256, [](int x, int y) { return CellColour(y / 64 * 4 + x / 64); }));
  resources.SetArchive(archive.Finish());
}
// The cell whose colour the pixel shows, -1 for none.
inline int CellAt(const Frame& frame, float x, int y) {
  for (int cell = 0; cell < 16; ++cell)
    if (Near(CellColour(cell), 6)(frame.At(int(x), y))) return cell;
  return -1;
}

class OverlayGl : public ::testing::Test {
 protected:
  void SetUp() override { debugLog.SetDestination(&log); }

  // Opens (or reopens) the window, derives the picture rows and sets the
  // start-up's GL state; the frame is cleared to black.
  void Open(int width, int height, bool wideScreen = false) {
    platform.DestroyWindows();
    settings.Width = width, settings.Height = height, settings.Depth = 32;
    settings.WideScreen = wideScreen, settings.DefGamma = true;
    ViewAspect aspect;
    ApplyViewport(settings, aspect);
    ASSERT_TRUE(platform.CreateFlightWindow({0, 0, width, height}, width, height, 0));
    SavedGammaRamp saved;
    InitOpenGL(platform, settings, aspect, gl, saved, debugLog);
    Clear({0, 0, 0});
    log.str("");
  }
  void Clear(Rgb colour) {
    glClearColor(colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }
  Frame Grab() {
    return {settings.Width, settings.Height, platform.ReadPixels(0, 0, settings.Width, settings.Height)};
  }

  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform{resources, store};
  Settings settings;
  std::ostringstream log;
  DebugLog debugLog;
  GlExtensions gl;
  RenderResources render{resources.resources(), debugLog, gl};
};
