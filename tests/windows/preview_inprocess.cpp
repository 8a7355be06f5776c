// preview_inprocess: the preview window's painting, checked where Wine can
// show it. Wine draws a child window only when its parent belongs to the
// same process, so this program plays the control panel itself: it opens a
// magenta window with a client area of the given size at (100, 100) and runs
// the screensaver's own RunPreview inside it on a second thread (the
// bitmap 118 comes from this program's resources). It prints
//   area X Y W H   then   ready   once the preview has had a second to paint,
// closes its window after SECONDS more and prints "preview R" with the
// result of RunPreview once that has returned.
// usage: preview_inprocess WIDTH HEIGHT SECONDS
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/win32/preview_window.h"

namespace {

void PumpFor(DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: preview_inprocess WIDTH HEIGHT SECONDS\n");
    return 1;
  }
  int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
  windowClass.lpszClassName = "QVPreviewHost";
  RegisterClassA(&windowClass);
  HWND host = CreateWindowExA(0, "QVPreviewHost", "QV Preview Host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100,
                              100, width, height, nullptr, nullptr, instance, nullptr);
  if (!host) return 1;
  PumpFor(300);
  POINT origin{0, 0};
  ClientToScreen(host, &origin);
  std::printf("area %ld %ld %d %d\n", origin.x, origin.y, width, height);
  std::fflush(stdout);

  int result = -1;
  std::thread preview([&] { result = RunPreview(instance, SW_SHOW, uint32_t(uintptr_t(host))); });
  PumpFor(2000);
  std::printf("ready\n");
  std::fflush(stdout);
  PumpFor(DWORD(std::atoi(argv[3])) * 1000);
  DestroyWindow(host);
  preview.join();
  std::printf("preview %d\n", result);
  std::fflush(stdout);
  return 0;
}
