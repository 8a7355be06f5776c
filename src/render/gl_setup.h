// The global GL state every renderer relies on (enabled capabilities,
// additive blending, viewport, projection, the three lights), the
// multitexture look-up, the swap interval, and the display gamma ramp from
// the brightness setting. Needs the flight window's GL context current.
#pragma once
#include <cstdint>

#include "base/debug_log.h"
#include "platform/platform.h"
#include "render/gl_extensions.h"
#include "settings/settings.h"

// The ramp the display had before the start-up changed it, put back at exit.
struct SavedGammaRamp {
  bool changed = false;  // the start-up set a ramp of its own
  bool known = false;    // ramp holds the display's previous ramp
  uint16_t ramp[768] = {};
};

// Sets the baseline state once, after the windows are shown, writing each
// step to log; writes settings.MultiTexture and fills extensions. When
// DefGamma is clear the display's ramp is saved into original and replaced.
// True when the swap interval could be set.
bool InitOpenGL(Platform& platform, Settings& settings, const ViewAspect& aspect, GlExtensions& extensions,
                SavedGammaRamp& original, DebugLog& log);

// The viewport and the perspective frustum from the window size and the
// letterbox; again whenever the window changes its size.
void SetProjection(const Settings& settings, const ViewAspect& aspect);

// 1.5 for Gamma 0, 1.0 for 50, 0.5 for 100.
float GammaExponent(int32_t gamma);

// Entry k of each colour block: pow(k / 256, exponent) * 65536, truncated
// to 16 bits (so k * 256 for exponent 1). Red block first, then green, blue.
void BuildGammaRamp(float red, float green, float blue, uint16_t (&ramp)[768]);

// Builds the ramp and gives it to the display; false when the display refuses.
bool SetGammaRamp(Platform& platform, float red, float green, float blue);

// At exit: the saved ramp goes back exactly; when it could not be read, the
// exponent-1 ramp. Nothing happens when the start-up did not change it.
void RestoreGammaRamp(Platform& platform, const SavedGammaRamp& original);
