#include "platform/sdl/desktop_services.h"

#include <SDL.h>

#include <cstdio>
#include <ctime>

#include "base/cp1251.h"

int64_t DesktopServices::QueryCounter() { return int64_t(SDL_GetPerformanceCounter()); }
int64_t DesktopServices::QueryCounterFrequency() { return int64_t(SDL_GetPerformanceFrequency()); }

LocalTime DesktopServices::QueryLocalTime() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

// Message texts are Windows-1251 bytes, as on Windows; the terminal reads UTF-8.
void DesktopServices::ShowMessage(const char* text, const char* caption, MessageIcon) {
  std::fprintf(stderr, "%s%s%s\n", Cp1251ToUtf8(caption).c_str(), *caption ? ": " : "",
               Cp1251ToUtf8(text).c_str());
}

void DesktopServices::OpenUrl(const char* url) { SDL_OpenURL(url); }
