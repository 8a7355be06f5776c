#include "platform/headless/egl_context.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

bool HasSurfacelessPlatform() {
  const char* extensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  return extensions && std::strstr(extensions, "EGL_MESA_platform_surfaceless");
}

EGLContext CreateCompatibilityContext(EGLDisplay display, EGLConfig config) {
  const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                               EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
  EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
  // Drivers without profile attributes give a compatibility context by default.
  return context != EGL_NO_CONTEXT ? context : eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
}

}  // namespace

bool EglContext::Fail(const char* what) {
  std::fprintf(stderr, "headless: %s (EGL error 0x%x)\n", what, unsigned(eglGetError()));
  Destroy();
  return false;
}

bool EglContext::Create(int width, int height, int samples) {
  Destroy();
  // The software rasteriser, so a machine with a GPU renders what one without does.
  setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
  if (!HasSurfacelessPlatform()) return Fail("no surfaceless EGL platform");
  EGLDisplay display = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
    return Fail("cannot open the EGL display");
  display_ = display;
  EGLConfig config;
  EGLint count = 0;
  for (EGLint wanted : {samples, 0}) {
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                       EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8,
                                       EGL_DEPTH_SIZE, 24, EGL_STENCIL_SIZE, 8, EGL_SAMPLE_BUFFERS, wanted > 0,
                                       EGL_SAMPLES, wanted, EGL_NONE};
    if (eglChooseConfig(display, configAttributes, &config, 1, &count) && count > 0) break;
  }
  if (count < 1) return Fail("no RGBA8, depth 24, stencil 8 pbuffer configuration");
  const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
  surface_ = eglCreatePbufferSurface(display, config, surfaceAttributes);
  if (surface_ == EGL_NO_SURFACE) return Fail("cannot create the pbuffer");
  if (!eglBindAPI(EGL_OPENGL_API)) return Fail("no desktop OpenGL");
  context_ = CreateCompatibilityContext(display, config);
  if (context_ == EGL_NO_CONTEXT) return Fail("cannot create the GL context");
  if (!eglMakeCurrent(display, surface_, surface_, context_)) return Fail("cannot make the context current");
  return true;
}

void EglContext::Destroy() {
  if (!display_) return;
  eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (context_) eglDestroyContext(display_, context_);
  if (surface_) eglDestroySurface(display_, surface_);
  eglTerminate(display_);
  display_ = surface_ = context_ = nullptr;
}

void* EglContext::GetProcAddress(const char* name) const {
  return reinterpret_cast<void*>(eglGetProcAddress(name));
}

void EglContext::SwapBuffers() {
  if (context_) eglSwapBuffers(display_, surface_);
}

void EglContext::SetSwapInterval(int interval) {
  if (context_) eglSwapInterval(display_, interval);
}
