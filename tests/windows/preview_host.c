/* preview_host: plays the control panel's part for the preview mode. It
   opens a magenta window with a client area of the given size at (100, 100),
   starts "SCR /p HANDLE" and tells what it sees, one line each:
     area X Y W H        the client area on the screen
     child W H           the preview window found inside it (or "child none")
     ready               the preview has had a second to paint
   After SECONDS more it closes its window, which takes the preview with
   it, and reports "exit CODE" once the screensaver has ended ("exit
   timeout" when it did not within ten seconds).
   usage: preview_host SCR WIDTH HEIGHT SECONDS */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

static void PumpFor(DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
}

static HWND FindPreview(HWND host) {
  HWND child = NULL;
  for (int tries = 0; tries < 100 && !child; ++tries) {
    PumpFor(100);
    child = FindWindowExA(host, NULL, "QVSSPreview", NULL);
  }
  return child;
}

int main(int argc, char** argv) {
  if (argc < 5) {
    fprintf(stderr, "usage: preview_host SCR WIDTH HEIGHT SECONDS\n");
    return 1;
  }
  int width = atoi(argv[2]), height = atoi(argv[3]);
  WNDCLASSA windowClass = {0};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(NULL);
  windowClass.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
  windowClass.lpszClassName = "QVPreviewHost";
  RegisterClassA(&windowClass);
  HWND host = CreateWindowExA(0, "QVPreviewHost", "QV Preview Host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, width, height,
                              NULL, NULL, windowClass.hInstance, NULL);
  if (!host) return 1;
  PumpFor(300);
  POINT origin = {0, 0};
  ClientToScreen(host, &origin);
  printf("area %ld %ld %d %d\n", origin.x, origin.y, width, height);
  fflush(stdout);

  char command[MAX_PATH + 64];
  snprintf(command, sizeof command, "\"%s\" /p %lu", argv[1], (unsigned long)(UINT_PTR)host);
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
    printf("start failed\n");
    return 1;
  }
  HWND child = FindPreview(host);
  RECT rect = {0, 0, 0, 0};
  if (child) {
    GetWindowRect(child, &rect);
    printf("child %ld %ld\n", rect.right - rect.left, rect.bottom - rect.top);
  } else {
    printf("child none\n");
  }
  PumpFor(1000);
  printf("ready\n");
  fflush(stdout);
  PumpFor((DWORD)atoi(argv[4]) * 1000);

  DestroyWindow(host);
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0 && GetExitCodeProcess(process.hProcess, &code)) {
    printf("exit %lu\n", code);
  } else {
    TerminateProcess(process.hProcess, 1);
    printf("exit timeout\n");
  }
  fflush(stdout);
  return 0;
}
