// MonitorFromRect where the system offers no multi-monitor functions: one
// primary screen of the given size, pseudo handle 0x42. Plain code, so the
// Linux tests check it too.
#pragma once
#include <cstdint>

#include "base/platform_types.h"

inline constexpr uintptr_t SingleMonitorHandle = 0x42;
inline constexpr uint32_t MonitorDefaultToPrimary = 1;
inline constexpr uint32_t MonitorDefaultToNearest = 2;
uintptr_t SingleMonitorFromRect(const ScreenRect& rect, uint32_t flags, int primaryWidth,
                                int primaryHeight);
