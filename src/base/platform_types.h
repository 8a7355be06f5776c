// The plain values the platform interface speaks in: screen rectangles,
// display modes and adapters, the local time, input events and message-box
// icons. Coordinates are screen pixels with y down.
#pragma once
#include <cstdint>

struct ScreenRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct DisplayMode {
  int32_t width = 0, height = 0, bitsPerPixel = 0;
  int32_t left = 0, top = 0;  // desktop position of the display
};

struct LocalTime {
  int hour = 0, minute = 0, second = 0;
};

// One display adapter as the monitor table sees it.
struct DisplayAdapter {
  char deviceName[32] = {};      // what the other queries take
  char deviceString[128] = {};   // human-readable adapter name
  uint32_t stateFlags = 0;       // AdapterState bits
};

enum AdapterState : uint32_t {
  AdapterAttachedToDesktop = 0x1,
  AdapterPrimary = 0x4,
  AdapterMirroring = 0x8,
};

// One window message, reduced to what the GL window procedure acts on.
struct InputEvent {
  enum class Kind { Other, Quit, KeyDown, KeyUp, ButtonDown, MouseMove };
  Kind kind = Kind::Other;
  int key = 0;       // virtual-key code (1..255) for KeyDown and KeyUp
  int x = 0, y = 0;  // MouseMove: cursor position in screen coordinates
};

enum class MessageIcon { None, Error };
