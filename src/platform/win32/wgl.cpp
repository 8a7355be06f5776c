#include "platform/win32/wgl.h"

#include <cstdint>

bool ChoosePixelFormatForWindow(HDC dc) {
  static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40);
  PIXELFORMATDESCRIPTOR request{};
  request.nSize = sizeof request;
  request.nVersion = 1;
  request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  request.iPixelType = PFD_TYPE_RGBA;
  request.cColorBits = 32;
  request.cDepthBits = 24;
  request.cStencilBits = 8;
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
