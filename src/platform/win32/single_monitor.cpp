#include "platform/win32/single_monitor.h"

uintptr_t SingleMonitorFromRect(const ScreenRect& rect, uint32_t flags, int primaryWidth,
                                int primaryHeight) {
  if (flags & (MonitorDefaultToPrimary | MonitorDefaultToNearest)) return SingleMonitorHandle;
  if (rect.right <= 0 || rect.bottom <= 0) return 0;
  if (rect.left >= primaryWidth) return 0;
  return rect.top < primaryHeight ? SingleMonitorHandle : 0;
}
