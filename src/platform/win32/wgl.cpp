#include "platform/win32/wgl.h"

#include <cstdint>

namespace {

PIXELFORMATDESCRIPTOR PlainRequest() {
  static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40);
  PIXELFORMATDESCRIPTOR request{};
  request.nSize = sizeof request;
  request.nVersion = 1;
  request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  request.iPixelType = PFD_TYPE_RGBA;
  request.cColorBits = 32;
  request.cDepthBits = 24;
  request.cStencilBits = 8;
  return request;
}

// The attribute names of WGL_ARB_pixel_format and WGL_ARB_multisample.
constexpr int kDrawToWindow = 0x2001, kSupportOpenGL = 0x2010, kDoubleBuffer = 0x2011, kPixelType = 0x2013,
              kTypeRgba = 0x202B, kColorBits = 0x2014, kDepthBits = 0x2022, kStencilBits = 0x2023,
              kSampleBuffers = 0x2041, kSamples = 0x2042;

int AskForMultisampleFormat(HDC dc, int samples) {
  using ChooseFn = BOOL(WINAPI*)(HDC, const int*, const FLOAT*, UINT, int*, UINT*);
  auto choose = ProcAs<ChooseFn>(wglGetProcAddress("wglChoosePixelFormatARB"));
  if (!choose) return 0;
  const int attributes[] = {kDrawToWindow, 1, kSupportOpenGL, 1, kDoubleBuffer, 1, kPixelType, kTypeRgba,
                            kColorBits, 32, kDepthBits, 24, kStencilBits, 8, kSampleBuffers, 1,
                            kSamples, samples, 0};
  int format = 0;
  UINT count = 0;
  return choose(dc, attributes, nullptr, 1, &format, &count) && count > 0 ? format : 0;
}

}  // namespace

int FindMultisampleFormat(HINSTANCE instance, int samples) {
  if (samples <= 0) return 0;
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 16, 16, nullptr, nullptr, instance, nullptr);
  if (!window) return 0;
  int format = 0;
  HDC dc = GetDC(window);
  if (dc && ChoosePixelFormatForWindow(dc, 0)) {
    HGLRC context = wglCreateContext(dc);
    if (context && wglMakeCurrent(dc, context)) {
      format = AskForMultisampleFormat(dc, samples);
      wglMakeCurrent(nullptr, nullptr);
    }
    if (context) wglDeleteContext(context);
  }
  if (dc) ReleaseDC(window, dc);
  DestroyWindow(window);
  return format;
}

bool ChoosePixelFormatForWindow(HDC dc, int multisampleFormat) {
  PIXELFORMATDESCRIPTOR request = PlainRequest();
  if (multisampleFormat > 0 && DescribePixelFormat(dc, multisampleFormat, sizeof request, &request) &&
      SetPixelFormat(dc, multisampleFormat, &request))
    return true;
  request = PlainRequest();
  int format = ChoosePixelFormat(dc, &request);
  if (format == 0) {
    format = 1;
    if (!DescribePixelFormat(dc, format, sizeof request, &request)) return false;
  }
  return SetPixelFormat(dc, format, &request) != FALSE;
}

void* WglProcAddress(const char* name) {
  // Some drivers answer a missing name with a small number instead of null.
  auto proc = reinterpret_cast<intptr_t>(wglGetProcAddress(name));
  if (proc == 0 || proc == 1 || proc == 2 || proc == 3 || proc == -1) {
    HMODULE opengl = GetModuleHandleA("opengl32.dll");
    return opengl ? reinterpret_cast<void*>(GetProcAddress(opengl, name)) : nullptr;
  }
  return reinterpret_cast<void*>(proc);
}

bool SetWglSwapInterval(int interval) {
  using SwapIntervalFn = BOOL(WINAPI*)(int interval);
  using GetSwapIntervalFn = int(WINAPI*)();
  auto set = ProcAs<SwapIntervalFn>(wglGetProcAddress("wglSwapIntervalEXT"));
  auto get = ProcAs<GetSwapIntervalFn>(wglGetProcAddress("wglGetSwapIntervalEXT"));
  if (!set || !get) return false;
  return set(interval) != FALSE;
}
