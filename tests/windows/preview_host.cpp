// preview_host: plays the control panel's part for the preview mode. It
// opens a magenta window with a client area of W x H pixels at (100, 100)
// and puts a preview into it, either by starting "SCR /p HANDLE" or - since
// Wine draws no child window whose parent belongs to another process - by
// running the screensaver's own RunPreview on a second thread (bitmap 118
// then comes from this program's resources). It prints, one line each:
//   area X Y W H      the client area on the screen
//   child W H         the preview window found in it ("child none" if none)
//   ready             the preview has had a second to paint
// and after SECONDS more closes its window, which takes the preview with it,
// then "exit CODE" (the .scr's exit code, "exit timeout" when it did not end
// within ten seconds) or "preview R" (RunPreview's result).
// usage: preview_host SCR|--here W H SECONDS
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

void Say(const char* format, long a = 0, long b = 0, long c = 0, long d = 0) {
  std::printf(format, a, b, c, d);
  std::fflush(stdout);
}

HWND OpenHost(int width, int height) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
  windowClass.lpszClassName = "QVPreviewHost";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, "QVPreviewHost", "QV Preview Host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                         width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
}

void ReportChild(HWND host) {
  HWND child = nullptr;
  for (int tries = 0; tries < 100 && !child; ++tries) {
    PumpFor(100);
    child = FindWindowExA(host, nullptr, "QVSSPreview", nullptr);
  }
  RECT rect{};
  if (child && GetWindowRect(child, &rect))
    Say("child %ld %ld\n", rect.right - rect.left, rect.bottom - rect.top);
  else
    Say("child none\n");
  PumpFor(1000);
  Say("ready\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: preview_host SCR|--here W H SECONDS\n");
    return 1;
  }
  HWND host = OpenHost(std::atoi(argv[2]), std::atoi(argv[3]));
  if (!host) return 1;
  PumpFor(300);
  POINT origin{0, 0};
  ClientToScreen(host, &origin);
  Say("area %ld %ld %ld %ld\n", origin.x, origin.y, std::atol(argv[2]), std::atol(argv[3]));
  DWORD linger = DWORD(std::atoi(argv[4])) * 1000;
  auto handle = uint32_t(uintptr_t(host));

  if (std::strcmp(argv[1], "--here") == 0) {
    int result = -1;
    std::thread preview([&] { result = RunPreview(GetModuleHandleA(nullptr), SW_SHOW, handle); });
    ReportChild(host);
    PumpFor(linger);
    DestroyWindow(host);
    preview.join();
    Say("preview %ld\n", result);
    return 0;
  }

  char command[MAX_PATH + 64];
  std::snprintf(command, sizeof command, "\"%s\" /p %lu", argv[1], static_cast<unsigned long>(handle));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    Say("start failed\n");
    return 1;
  }
  ReportChild(host);
  PumpFor(linger);
  DestroyWindow(host);
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0 && GetExitCodeProcess(process.hProcess, &code)) {
    Say("exit %ld\n", long(code));
  } else {
    TerminateProcess(process.hProcess, 1);
    Say("exit timeout\n");
  }
  return 0;
}
