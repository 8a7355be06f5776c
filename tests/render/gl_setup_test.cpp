#include "render/gl_setup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "render/gl_extensions.h"
#include "render/headless_gl.h"

namespace {

class GlSetup : public HeadlessGl {
 protected:
  // An 800 x 600 picture at 32 bits, neutral brightness.
  Settings Defaults() {
    Settings s;
    s.Width = 800, s.Height = 600, s.Depth = 32;
    s.ViewPortBottom = 0, s.ViewPortTop = s.ViewPortHeight = 600;
    s.Gamma = 50;
    return s;
  }
  void Init(Settings& s, ViewAspect aspect = {}) { InitOpenGL(platform, s, aspect, gl, saved, debugLog); }

  std::vector<float> Matrix(GLenum which) {
    std::vector<float> m(16);
    glGetFloatv(which, m.data());
    return m;
  }
  std::vector<float> Light(GLenum light, GLenum parameter, size_t count = 4) {
    std::vector<float> v(count);
    glGetLightfv(light, parameter, v.data());
    return v;
  }

  SavedGammaRamp saved;
};

// A look-up that finds no ARB entry points; everything else as headless.
class NoMultiTexturePlatform : public HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;
  void* GetGLProcAddress(const char* name) override {
    return std::string(name).ends_with("ARB") ? nullptr : HeadlessPlatform::GetGLProcAddress(name);
  }
};

// A display whose ramp cannot be read.
class UnreadableGammaPlatform : public HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;
  bool GetGammaRamp(uint16_t (&)[768]) override { return false; }
};

TEST_F(GlSetup, BaselineCapabilitiesBlendingMatricesAndLights) {
  Settings s = Defaults();
  InitOpenGL(platform, s, {}, gl, saved, debugLog);
  for (GLenum cap : {GL_ALPHA_TEST, GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT1, GL_BLEND, GL_TEXTURE_2D, GL_NORMALIZE})
    EXPECT_TRUE(glIsEnabled(cap)) << std::hex << cap;
  EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
  EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
  EXPECT_FALSE(glIsEnabled(GL_FOG));
  GLint source, destination, hint, mode;
  glGetIntegerv(GL_BLEND_SRC, &source);
  glGetIntegerv(GL_BLEND_DST, &destination);
  glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &hint);
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(source, GL_SRC_ALPHA);
  EXPECT_EQ(destination, GL_ONE);
  EXPECT_EQ(hint, GL_NICEST);
  EXPECT_EQ(mode, GL_MODELVIEW);
  std::vector<float> identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  EXPECT_EQ(Matrix(GL_MODELVIEW_MATRIX), identity);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), (std::vector<GLint>{0, 0, 800, 600}));
  EXPECT_EQ(Light(GL_LIGHT1, GL_POSITION), (std::vector<float>{0, 0, 9100, 1}));
  EXPECT_EQ(Light(GL_LIGHT1, GL_DIFFUSE), (std::vector<float>{1, 1, 1, 1}));
  EXPECT_EQ(Light(GL_LIGHT1, GL_SPECULAR), (std::vector<float>{0, 0, 0, 1}));
  EXPECT_EQ(Light(GL_LIGHT0, GL_DIFFUSE), (std::vector<float>{0.3f, 0.3f, 0.3f, 1}));
  EXPECT_EQ(Light(GL_LIGHT0, GL_SPOT_EXPONENT, 1)[0], 3.0f);
  EXPECT_EQ(Light(GL_LIGHT0, GL_SPOT_CUTOFF, 1)[0], 60.0f);
  EXPECT_EQ(Light(GL_LIGHT2, GL_LINEAR_ATTENUATION, 1)[0], 0.006f);
  GLfloat ambient[4];
  glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
  EXPECT_EQ(std::vector<float>(ambient, ambient + 4), (std::vector<float>{0.1f, 0.1f, 0.1f, 0.1f}));
  GLint control;
  glGetIntegerv(GL_LIGHT_MODEL_COLOR_CONTROL, &control);
  EXPECT_EQ(control, GL_SEPARATE_SPECULAR_COLOR);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(GlSetup, NearPlaneMovesOutFourfoldBelow32BitsWithTheSameFieldOfView) {
  for (int depth : {32, 16}) {
    Settings s = Defaults();
    s.Depth = depth;
    Init(s);
    std::vector<float> p = Matrix(GL_PROJECTION_MATRIX);
    float near = p[14] / (p[10] - 1.0f);  // glFrustum: p10 = -(f+n)/(f-n), p14 = -2fn/(f-n)
    float far = p[14] / (p[10] + 1.0f);
    EXPECT_NEAR(near, depth == 32 ? 2.0f : 8.0f, 1e-3f);
    EXPECT_NEAR(far, 100000.0f, 200.0f);
    EXPECT_NEAR(p[0], 2.0f / 1.3333334f, 1e-5f);  // 2n / (r - l): independent of the scale
    EXPECT_NEAR(p[5], 2.0f / 1.0f, 1e-5f);
    EXPECT_EQ(p[8], 0.0f);  // symmetric
  }
}

TEST_F(GlSetup, WideScreenLetterboxesTheViewportAndWidensTheFrustum) {
  Settings s = Defaults();
  s.Width = 1024, s.Height = 768, s.WideScreen = true;
  s.ViewPortBottom = 96, s.ViewPortTop = 672, s.ViewPortHeight = 576;
  Init(s, {1.6f, 0.9f});
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), (std::vector<GLint>{0, 96, 1024, 576}));
  std::vector<float> p = Matrix(GL_PROJECTION_MATRIX);
  EXPECT_NEAR(p[0], 2.0f / 1.6f, 1e-5f);
  EXPECT_NEAR(p[5], 2.0f / 0.9f, 1e-5f);
}

TEST_F(GlSetup, LogsTheDriverAndEachStepInOrder) {
  Settings s = Defaults();
  Init(s);
  std::string text = log.str();
  std::string vendor = reinterpret_cast<const char*>(glGetString(GL_VENDOR));
  size_t at = 0;
  for (std::string step : {"Vendor: " + vendor + "\n", std::string("Videocard: "), std::string("OpenGL version "),
                           std::string("\nSupported extension: "), std::string("Init multitexture extension ..."),
                           std::string("Set swap interval..."), std::string("Set gamma ...")}) {
    size_t found = text.find(step, at);
    ASSERT_NE(found, std::string::npos) << step;
    at = found + step.size();
  }
  EXPECT_EQ(text.find("unsupported"), std::string::npos);
}

TEST_F(GlSetup, MultitextureIsFoundOrReportedMissing) {
  Settings s = Defaults();
  Init(s);
  EXPECT_TRUE(s.MultiTexture);
  EXPECT_TRUE(gl.multiTexture);
  EXPECT_NE(gl.clientActiveTexture, nullptr);

  NoMultiTexturePlatform bare(resources, store);
  Settings t = Defaults();
  t.MultiTexture = true;
  InitOpenGL(bare, t, {}, gl, saved, debugLog);
  EXPECT_FALSE(t.MultiTexture);
  EXPECT_FALSE(gl.multiTexture);
  EXPECT_EQ(gl.activeTexture, nullptr);
  EXPECT_NE(log.str().find("Init multitexture extension ... multitexture unsupported!/nSet swap interval..."),
            std::string::npos);
}

TEST_F(GlSetup, SwapIntervalFollowsVSync) {
  Settings s = Defaults();
  s.VSync = true;
  Init(s);
  EXPECT_EQ(platform.swapInterval(), 1);
  s.VSync = false;
  Init(s);
  EXPECT_EQ(platform.swapInterval(), 0);
}

TEST(GammaRamp, ExponentsAndEntries) {
  EXPECT_EQ(GammaExponent(0), 1.5f);
  EXPECT_EQ(GammaExponent(50), 1.0f);
  EXPECT_EQ(GammaExponent(100), 0.5f);
  uint16_t ramp[768];
  BuildGammaRamp(1.0f, 0.5f, 1.5f, ramp);
  for (int k = 0; k < 256; ++k) ASSERT_EQ(ramp[k], k * 256);
  EXPECT_EQ(ramp[255], 65280);  // the divisor is 256: the top stays below full scale
  EXPECT_EQ(ramp[256 + 64], 32768);   // sqrt(1/4)
  EXPECT_EQ(ramp[256 + 255], 65407);  // sqrt(255/256) * 65536 = 65407.9
  EXPECT_EQ(ramp[512 + 128], 23170);  // 0.5^1.5 * 65536 = 23170.5
  EXPECT_EQ(ramp[512 + 0], 0);
  BuildGammaRamp(-4.0f, -4.0f, -4.0f, ramp);  // a brightness far outside 0..100
  EXPECT_EQ(ramp[0], 65535);
  EXPECT_EQ(ramp[255], 65535);
}

TEST_F(GlSetup, BrightnessSetsTheRampAndExitPutsTheOldOneBack) {
  uint16_t before[768];
  platform.GetGammaRamp(before);
  Settings s = Defaults();
  Init(s);
  for (int k = 0; k < 768; ++k) ASSERT_EQ(platform.gammaRamp()[k], k % 256 * 256);
  s.Gamma = 0;
  Init(s);
  EXPECT_EQ(platform.gammaRamp()[256 + 128], 23170);
  RestoreGammaRamp(platform, saved);
  EXPECT_TRUE(std::equal(before, before + 768, platform.gammaRamp()));
}

TEST_F(GlSetup, DefaultGammaLeavesTheRampAlone) {
  Settings s = Defaults();
  s.DefGamma = true, s.Gamma = 0;
  Init(s);
  RestoreGammaRamp(platform, saved);
  EXPECT_EQ(platform.gammaRampSets(), 0);
}

TEST_F(GlSetup, AnUnreadableRampIsResetToExponentOne) {
  UnreadableGammaPlatform display(resources, store);
  Settings s = Defaults();
  s.Gamma = 100;
  InitOpenGL(display, s, {}, gl, saved, debugLog);
  EXPECT_EQ(display.gammaRamp()[64], 32768);
  RestoreGammaRamp(display, saved);
  EXPECT_EQ(display.gammaRamp()[255], 65280);
}

}  // namespace
