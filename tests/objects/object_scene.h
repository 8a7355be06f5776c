// A 160 x 120 headless flight window in the resting GL state, a camera, an
// object context and a test archive of object files, meshes and textures.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "assets/archive/archive_writer.h"
#include "base/debug_log.h"
#include "base/random.h"
#include "objects/object_context.h"
#include "objects/object_file.h"
#include "platform/headless/headless_platform.h"
#include "render/gl.h"
#include "render/camera_view.h"
#include "render/gl_setup.h"
#include "render/render_resources.h"
#include "settings/memory_settings_store.h"
#include "support/fake_resources.h"
#include "support/mesh_bytes.h"
#include "tools/common/jpeg_writer.h"

class ObjectScene : public ::testing::Test {
 protected:
  static constexpr int Width = 160, Height = 120;
  using Bytes = std::vector<uint8_t>;

  void SetUp() override {
    ASSERT_TRUE(platform.CreateFlightWindow({0, 0, Width, Height}, Width, Height, 0));
    settings.Width = Width, settings.Height = Height, settings.Depth = 32, settings.DefGamma = true;
    settings.ViewPortTop = settings.ViewPortHeight = Height;
    SavedGammaRamp gamma;
    debugLog.SetDestination(&log);
    InitOpenGL(platform, settings, aspect, gl, gamma, debugLog);
    context = {&settings, &aspect, &random, &camera, &render, [this] { ++progress; }};
    members["meshes\\env.dat"] = members["meshes\\sphere.dat"] = members["meshes\\cube.dat"] = EnvMesh().Encode();
    for (auto [name, r, g, b] : {std::tuple{"white", 255, 255, 255}, {"red", 255, 0, 0}, {"yellow", 255, 255, 0},
                                 {"cyan", 0, 255, 255}, {"particle", 255, 255, 255}}) {
      Bytes rgb;
      for (int i = 0; i < 16 * 16; ++i) rgb.insert(rgb.end(), {uint8_t(r), uint8_t(g), uint8_t(b)});
      members[std::string("textures\\") + name + ".jpg"] = EncodeJpeg(16, 16, rgb, 100);
    }
    LookAlong({0, 0, -1}, {0, 1, 0});
  }
  // Parses text as the object file name (packed with the other members).
  void Load(const std::string& text, const std::string& name = "world.txt") {
    members[name] = Bytes(text.begin(), text.end());
    ArchiveWriter writer;
    for (auto& [member, bytes] : members) writer.AddStored(member, bytes);
    resources.SetArchive(writer.Finish());
    parser.LoadObjectFile(objects, name.c_str());
  }
  template <typename Kind>
  Kind& Object(size_t i) {
    auto* object = dynamic_cast<Kind*>(objects.at(i).get());
    EXPECT_NE(object, nullptr) << "object " << i << " is of another kind";
    return *object;
  }

  // Camera at eye looking along look: the camera view and the model-view
  // as the frame renderer sets them, light 1 included.
  void LookAlong(Vec3 look, Vec3 up, Vec3 eye = {0, 0, 0}) {
    camera.position = camera.eye = eye, camera.look = look;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, eye.x + look.x, eye.y + look.y, eye.z + look.z, up.x, up.y, up.z);
    const GLfloat light[] = {0, 0, 99900, 1};
    glLightfv(GL_LIGHT1, GL_POSITION, light);
  }
  void Clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
  // Clears and draws the objects with the given indices, in that order.
  void Draw(std::initializer_list<size_t> indices) {
    Clear();
    for (size_t i : indices) objects.at(i)->Render(camera);
  }

  // RGB of one window pixel, y from the bottom.
  std::vector<int> Rgb(int x, int y) {
    Bytes p = platform.ReadPixels(x, y, 1, 1);
    return {p[0], p[1], p[2]};
  }
  int Brightness(int x, int y) {
    auto p = Rgb(x, y);
    return std::max({p[0], p[1], p[2]});
  }
  // Each point {x, y, low, high}: its brightest channel lies in low..high.
  void ExpectBrightness(std::initializer_list<std::array<int, 4>> points) {
    for (auto [x, y, low, high] : points) {
      int b = Brightness(x, y);
      EXPECT_TRUE(b >= low && b <= high) << "(" << x << ", " << y << "): " << b;
    }
  }
  float Depth(int x, int y) {
    float depth = 0;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth;
  }
  int LitPixels() {
    int lit = 0;
    Bytes all = platform.ReadPixels(0, 0, Width, Height);
    for (size_t i = 0; i < all.size(); i += 4) lit += (all[i] | all[i + 1] | all[i + 2]) > 8;
    return lit;
  }

  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform{resources, store};
  Settings settings;
  ViewAspect aspect;
  RandomGenerator random;
  CameraView camera;
  std::ostringstream log;
  DebugLog debugLog;
  GlExtensions gl;
  RenderResources render{resources.resources(), debugLog, gl};
  ObjectContext context;
  int progress = 0;
  std::map<std::string, Bytes> members;
  ObjectFileParser parser{context};
  ObjectList objects;
};
