// HeadlessDisplays: the display adapters a headless run pretends to have,
// each with its monitor and current mode. Default: one primary 800 x 600
// display of 32 bits at the desktop origin. Monitor handles are the
// adapter's index + 1 among the table.
#pragma once
#include <vector>

#include "platform/platform.h"

struct HeadlessDisplay {
  DisplayAdapter adapter;
  char monitorString[128] = {};  // empty: the adapter has no monitor
  DisplayMode mode;              // the current mode; left, top place it on the desktop
};

// A display of this size at this desktop position with the given state bits.
HeadlessDisplay MakeHeadlessDisplay(const char* name, int width, int height, int left, int top,
                                    uint32_t stateFlags);

class HeadlessDisplays {
 public:
  HeadlessDisplays();

  void Set(std::vector<HeadlessDisplay> displays) { displays_ = std::move(displays); }
  const std::vector<HeadlessDisplay>& displays() const { return displays_; }

  bool Adapter(int index, DisplayAdapter& adapter) const;
  bool Monitor(const DisplayAdapter& adapter, char (&monitorString)[128]) const;
  // Null asks for the primary display. Displays off the desktop have no mode.
  bool Mode(const DisplayAdapter* adapter, DisplayMode& mode) const;
  // The desktop display that overlaps rect the most, 0 when none does.
  uintptr_t MonitorFromRect(const ScreenRect& rect) const;

 private:
  const HeadlessDisplay* Find(const DisplayAdapter* adapter) const;

  std::vector<HeadlessDisplay> displays_;
};
