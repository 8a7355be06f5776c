// A headless flight window with its GL context current, for the GL tests,
// and the drawing helpers they share.
#pragma once
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "base/debug_log.h"
#include "platform/headless/headless_platform.h"
#include "render/gl.h"
#include "render/render_resources.h"
#include "settings/memory_settings_store.h"
#include "support/fake_resources.h"


class HeadlessGl : public ::testing::Test {
 protected:
  static constexpr int Size = 64;  // the window is Size x Size pixels

  void SetUp() override {
    ASSERT_TRUE(platform.CreateFlightWindow({0, 0, Size, Size}, Size, Size, 0));
    debugLog.SetDestination(&log);
  }

  // RGBA of one window pixel, y counted from the bottom.
  std::vector<uint8_t> Pixel(int x, int y) { return platform.ReadPixels(x, y, 1, 1); }

  // Identity matrices over the whole window, no lighting, depth or blending.
  void FlatState() {
    glViewport(0, 0, Size, Size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (GLenum cap : {GL_LIGHTING, GL_DEPTH_TEST, GL_BLEND, GL_ALPHA_TEST, GL_CULL_FACE}) glDisable(cap);
    glColor4f(1, 1, 1, 1);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }

  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform{resources, store};
  std::ostringstream log;
  DebugLog debugLog;
  GlExtensions gl;
  RenderResources render{resources.resources(), debugLog, gl};
};
