// EglContext: an OpenGL compatibility context on Mesa's software renderer
// over an off-screen pbuffer (RGBA 8 bits each, 24-bit depth, 8-bit
// stencil, multisampled when asked and offered), on the surfaceless
// platform, so it needs neither a display server nor a GPU. One per process
// at a time; current from Create on.
#pragma once

class EglContext {
 public:
  EglContext() = default;
  EglContext(const EglContext&) = delete;
  EglContext& operator=(const EglContext&) = delete;
  ~EglContext() { Destroy(); }

  // False (with the reason on standard error) when EGL cannot give one.
  bool Create(int width, int height, int samples);
  void Destroy();
  bool Exists() const { return context_ != nullptr; }

  void* GetProcAddress(const char* name) const;
  void SwapBuffers();
  void SetSwapInterval(int interval);

 private:
  bool Fail(const char* what);

  void* display_ = nullptr;  // EGLDisplay, EGLSurface, EGLContext
  void* surface_ = nullptr;
  void* context_ = nullptr;
};
