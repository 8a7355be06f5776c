#include "platform/win32/screen_rescue.h"

#include <atomic>
#include <cstring>

#include "platform/win32/display_modes.h"
#include "platform/win32/win32_api.h"

namespace screen_rescue {
namespace {

uint16_t originalRamp[768];
std::atomic<bool> rampKept{false};
std::atomic<bool> modeSwitched{false};

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS*) {
  RestoreScreen();
  return EXCEPTION_CONTINUE_SEARCH;  // the process dies as it would have
}

// Runs on a thread of its own; the process ends when it returns FALSE.
BOOL WINAPI OnConsoleEvent(DWORD) {
  RestoreScreen();
  return FALSE;
}

}  // namespace

void Install() {
  SetUnhandledExceptionFilter(OnUnhandledException);
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void KeepOriginalGammaRamp(const uint16_t (&ramp)[768]) {
  if (rampKept) return;
  std::memcpy(originalRamp, ramp, sizeof originalRamp);
  rampKept = true;
}

void DisplayModeSwitched(bool switched) { modeSwitched = switched; }

void RestoreScreen() {
  if (rampKept.exchange(false)) {
    // The screen's own DC: the flight window may be gone by now.
    HDC screen = GetDC(nullptr);
    if (screen) {
      SetDeviceGammaRamp(screen, originalRamp);
      ReleaseDC(nullptr, screen);
    }
  }
  if (modeSwitched.exchange(false)) RestoreRegistryDisplayMode();
}

}  // namespace screen_rescue
