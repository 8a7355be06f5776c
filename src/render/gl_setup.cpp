#include "render/gl_setup.h"

#include <algorithm>
#include <cmath>

#include "base/debug_log.h"
#include "render/gl.h"
#include "render/gl_extensions.h"

namespace {

const char* GlText(GLenum name) {
  const GLubyte* text = glGetString(name);
  return text ? reinterpret_cast<const char*>(text) : "";
}

void LogDriver(DebugLog& log) {
  log.Write("Vendor: ").Write(GlText(GL_VENDOR)).Write("\n");
  log.Write("Videocard: ").Write(GlText(GL_RENDERER)).Write("\n");
  log.Write("OpenGL version ").Write(GlText(GL_VERSION)).Write("\n");
  log.Write("\nSupported extension: ").Write(GlText(GL_EXTENSIONS)).Write("\n\n");
  log.EndStep();
}

void EnableBaseline() {
  for (GLenum cap : {GL_ALPHA_TEST, GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0, GL_LIGHT1, GL_BLEND,
                     GL_TEXTURE_2D, GL_NORMALIZE})
    glEnable(cap);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

void SetLights() {
  glDisable(GL_LIGHT0);  // configured below; the mesh renderer switches it on for itself
  const GLfloat ambient[] = {0.1f, 0.1f, 0.1f, 0.1f};
  glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);

  const GLfloat position1[] = {0.0f, 0.0f, 9100.0f, 1.0f};  // eye space: the model-view is identity
  const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
  const GLfloat noSpecular[] = {0.0f, 0.0f, 0.0f, 1.0f};
  glLightfv(GL_LIGHT1, GL_POSITION, position1);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
  glLightfv(GL_LIGHT1, GL_SPECULAR, noSpecular);

  const GLfloat diffuse0[] = {0.3f, 0.3f, 0.3f, 1.0f};
  glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse0);
  glLightf(GL_LIGHT0, GL_SPOT_EXPONENT, 3.0f);
  glLightf(GL_LIGHT0, GL_SPOT_CUTOFF, 60.0f);

  glLightf(GL_LIGHT2, GL_LINEAR_ATTENUATION, 0.006f);
}

// True when the swap interval was set.
bool InitExtensions(Platform& platform, Settings& settings, GlExtensions& extensions, DebugLog& log) {
  log.Write("Init multitexture extension ...");
  settings.MultiTexture =
      LookUpMultiTexture([&platform](const char* name) { return platform.GetGLProcAddress(name); }, extensions);
  if (!settings.MultiTexture) log.Write(" multitexture unsupported!/n");

  log.Write("Set swap interval...");
  return platform.SetSwapInterval(settings.VSync ? 1 : 0);  // a missing extension keeps the driver's interval
}

void InitGamma(Platform& platform, const Settings& settings, SavedGammaRamp& original, DebugLog& log) {
  log.Write("Set gamma ...");
  glDisable(GL_LIGHT2);
  if (settings.DefGamma) return;
  if (!original.changed) original.known = platform.GetGammaRamp(original.ramp);  // the first one found
  original.changed = true;
  float g = GammaExponent(settings.Gamma);
  SetGammaRamp(platform, g, g, g);
}

}  // namespace

// Frustum half-extents AspectRatio and AspectScale at near plane 2; a
// 16-bit depth buffer gets the near plane four times further out (and the
// frustum four times wider there) for depth precision, same field of view.
void SetProjection(const Settings& settings, const ViewAspect& aspect) {
  glViewport(0, settings.ViewPortBottom, settings.Width, settings.ViewPortHeight);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  double s = settings.Depth == 32 ? 1.0 : 4.0;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(-aspect.AspectRatio * s, aspect.AspectRatio * s, -aspect.AspectScale * s,
            aspect.AspectScale * s, 2.0 * s, 100000.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

bool InitOpenGL(Platform& platform, Settings& settings, const ViewAspect& aspect, GlExtensions& extensions,
                SavedGammaRamp& original, DebugLog& log) {
  LogDriver(log);
  EnableBaseline();
  SetProjection(settings, aspect);
  SetLights();
  bool intervalSet = InitExtensions(platform, settings, extensions, log);
  glLineWidth(1.0f);
  InitGamma(platform, settings, original, log);
  return intervalSet;
}

float GammaExponent(int32_t gamma) { return 1.0f - (float(gamma) - 50.0f) / 50.0f * 0.5f; }

void BuildGammaRamp(float red, float green, float blue, uint16_t (&ramp)[768]) {
  const float exponents[3] = {red, green, blue};
  for (int c = 0; c < 3; ++c) {
    for (int k = 0; k < 256; ++k) {
      double value = std::pow(k / 256.0, double(exponents[c])) * 65536.0;
      // Brightness settings outside 0..100 give exponents whose values leave 16 bits.
      ramp[c * 256 + k] = uint16_t(std::isfinite(value) ? std::clamp(value, 0.0, 65535.0) : 65535.0);
    }
  }
}

bool SetGammaRamp(Platform& platform, float red, float green, float blue) {
  uint16_t ramp[768];
  BuildGammaRamp(red, green, blue, ramp);
  return platform.SetGammaRamp(ramp);
}

void RestoreGammaRamp(Platform& platform, const SavedGammaRamp& original) {
  if (!original.changed) return;
  if (original.known) platform.SetGammaRamp(original.ramp);
  else SetGammaRamp(platform, 1.0f, 1.0f, 1.0f);
}
