// The two flat drawing spaces that temporarily replace the 3D projection.
// Overlay space: y 0..600 (y up) over the whole window height, letterbox
// bands included, and x 0..OverlaySpaceWidth with the same unit, so what is
// drawn there keeps its proportions on any display (x 0..800 on 4:3). Pixel space: window pixels over the picture rows only
// (x 0..Width, y ViewPortBottom..ViewPortTop). Enter and leave in pairs;
// leaving turns depth test and lighting on again whatever they were before.
#pragma once
#include "settings/settings.h"

inline constexpr float OverlayHeight = 600;
// The width of overlay space on a 4:3 window, where the overlays were laid out.
inline constexpr float OverlayReferenceWidth = 800;

float OverlaySpaceWidth(const Settings& settings);

void BeginOverlay2D(const Settings& settings);
void EndOverlay2D(const Settings& settings);
void BeginPixelOverlay(const Settings& settings);
void EndPixelOverlay();
