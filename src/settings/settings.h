// Settings: the one record of user-adjustable behaviour, filled at start-up
// from the default-settings text, then the stored values, then the display.
// Fields are named as they are stored.
#pragma once
#include <cstdint>

struct Settings {
  bool EnableMusic = false;
  bool ShowClock = false;
  bool ShowFlame = false;  // stored and written back; nothing else reads it
  bool ShowFPS = false;
  bool VSync = false;
  bool UseDesktop = false;
  bool Galaxy = false;
  bool MouseExit = false;
  bool DefGamma = false;
  bool WideScreen = false;
  bool MultiTexture = false;  // set by the OpenGL set-up, never stored
  bool Hrs12 = false;
  bool FSAA = false;  // multisampled anti-aliasing, from the default settings only
  int32_t ViewPortBottom = 0;  // derived: picture rows of the window
  int32_t ViewPortTop = 0;
  int32_t ViewPortHeight = 0;
  int32_t Volume = 0;     // percent
  int32_t Gamma = 0;      // 0..100, 50 neutral
  int32_t TimeScale = 0;  // camera speed step 0..3
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Depth = 0;
  char programPath[256] = {};
  int32_t FrameLimit = 0;
};

// Half-extent factors of the perspective frustum, derived with the viewport.
struct ViewAspect {
  float AspectRatio = 1.3333334f;
  float AspectScale = 1.0f;
};
