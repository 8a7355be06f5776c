#include "platform/headless/headless_platform.h"

// The framebuffer-object calls are exported by the GL library the backend links.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

HeadlessPlatform::HeadlessPlatform(const ResourceSource& resources, SettingsStore& store, AudioLoader audio)
    : resources_(resources), store_(store), audio_(std::move(audio)) {
  // A display's own ramp is full scale at the top, unlike the exponent-1 ramp the saver builds.
  for (int c = 0; c < 3; ++c) {
    for (int k = 0; k < 256; ++k) gamma_[c * 256 + k] = uint16_t(k * 257);
  }
}

HeadlessPlatform::~HeadlessPlatform() { DestroyWindows(); }

void HeadlessPlatform::SetInitialGammaRamp(const uint16_t (&ramp)[768]) {
  std::memcpy(gamma_, ramp, sizeof gamma_);
}

std::vector<uint8_t> HeadlessPlatform::ReadPixels(int x, int y, int width, int height) const {
  std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 4);
  if (!gl_.Exists() || pixels.empty()) return pixels;
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  GLint sampleBuffers = 0;
  glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
  if (!sampleBuffers) {
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
  }
  // Mesa reads a multisampled pbuffer without resolving its samples, so they
  // are resolved into a plain framebuffer first.
  GLuint framebuffer = 0, colour = 0;
  glGenRenderbuffers(1, &colour);
  glBindRenderbuffer(GL_RENDERBUFFER, colour);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
  glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
  glBlitFramebuffer(x, y, x + width, y + height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &framebuffer);
  glDeleteRenderbuffers(1, &colour);
  return pixels;
}

void HeadlessPlatform::FollowRealTime(bool follow) {
  if (follow) realTimeRead_ = std::chrono::steady_clock::now();
  else realTimeRead_.reset();
}

int64_t HeadlessPlatform::QueryCounter() {
  if (realTimeRead_) {
    auto now = std::chrono::steady_clock::now();
    clock_.Advance(std::chrono::duration<double>(now - *realTimeRead_).count());
    realTimeRead_ = now;
  }
  return clock_.Ticks();
}

bool HeadlessPlatform::EnumDisplayAdapter(int index, DisplayAdapter& adapter) {
  return displays_.Adapter(index, adapter);
}

bool HeadlessPlatform::EnumAdapterMonitor(const DisplayAdapter& adapter, char (&monitorString)[128]) {
  return displays_.Monitor(adapter, monitorString);
}

bool HeadlessPlatform::CurrentDisplayMode(const DisplayAdapter* adapter, DisplayMode& mode) {
  if (!displays_.Mode(adapter, mode)) return false;
  if (modeSwitched_ && (!adapter || (adapter->stateFlags & AdapterPrimary))) {
    mode.width = switchedMode_.width;
    mode.height = switchedMode_.height;
    mode.bitsPerPixel = switchedMode_.bitsPerPixel;
  }
  return true;
}

uintptr_t HeadlessPlatform::MonitorFromRect(const ScreenRect& rect) { return displays_.MonitorFromRect(rect); }

void HeadlessPlatform::SetDisplayMode(int width, int height, int bitsPerPixel) {
  modeSwitched_ = true;
  switchedMode_ = {width, height, bitsPerPixel, 0, 0};
}

bool HeadlessPlatform::CreateFlightWindow(const ScreenRect& monitor, int width, int height, int samples) {
  if (width <= 0 || height <= 0 || !gl_.Create(width, height, samples)) return false;
  flight_ = {monitor.left, monitor.top, monitor.left + width, monitor.top + height};
  return true;
}

bool HeadlessPlatform::CreateCoverWindow(const ScreenRect& monitor) {
  covers_.push_back(monitor);
  return true;
}

void HeadlessPlatform::DestroyWindows() {
  gl_.Destroy();
  flight_ = {};
  covers_.clear();
  shown_ = false;
}

void HeadlessPlatform::SwapBuffers() {
  gl_.SwapBuffers();
  ++frames_;
  clock_.Advance(secondsPerFrame_);
  if (frameHook_) frameHook_(*this, frames_);
}

void HeadlessPlatform::FlightWindowCentre(int& x, int& y) {
  x = flight_.left + (flight_.right - flight_.left) / 2;
  y = flight_.top + (flight_.bottom - flight_.top) / 2;
}

bool HeadlessPlatform::PumpMessage(InputEvent& event) {
  if (input_.empty()) return false;
  event = input_.front();
  input_.pop_front();
  return true;
}

void HeadlessPlatform::WaitForMessage(double seconds) {
  if (!input_.empty() || seconds <= 0) return;
  clock_.Advance(seconds);
  ++waits_;
}

void HeadlessPlatform::SetCursorPos(int x, int y) {
  cursorX_ = x;
  cursorY_ = y;
}

void* HeadlessPlatform::GetGLProcAddress(const char* name) { return gl_.GetProcAddress(name); }

bool HeadlessPlatform::SetSwapInterval(int interval) {
  gl_.SetSwapInterval(interval);
  swapInterval_ = interval;
  return true;
}

bool HeadlessPlatform::GetGammaRamp(uint16_t (&ramp)[768]) {
  std::memcpy(ramp, gamma_, sizeof ramp);
  return true;
}

bool HeadlessPlatform::SetGammaRamp(const uint16_t (&ramp)[768]) {
  std::memcpy(gamma_, ramp, sizeof gamma_);
  ++gammaSets_;
  return true;
}

void HeadlessPlatform::ShowMessage(const char* text, const char* caption, MessageIcon icon) {
  messages_.push_back({text ? text : "", caption ? caption : "", icon});
}

bool HeadlessPlatform::LoadAudioLibrary(AudioLibrary& library) {
  audioLoaded_ = audio_ && audio_(library);
  return audioLoaded_;
}
