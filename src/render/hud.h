// The HUD: everything drawn over the flight that is not the flight itself.
// The loading screen (redrawn on every load step), the six-second intro
// from the loading picture into the flight, the scene fades, the letterbox
// bands, the clock and the frame counter. Each call draws in one of the
// flat spaces of overlay.h and leaves the resting GL state (blending
// additive (source alpha, one), depth test, lighting and texturing on)
// unless its contract says otherwise. The GL context must be current; the
// textures live as long as it does.
#pragma once
#include <cstdint>
#include <vector>

#include "base/platform_types.h"
#include "render/digit_font.h"
#include "assets/image_status.h"
#include "render/fades.h"
#include "render/gl.h"
#include "render/render_resources.h"
#include "settings/settings.h"

inline constexpr float IntroDuration = 6.0f;  // seconds

// Corner slots of the loading screen, in drawing order.
enum Corner { CornerBottomRight, CornerBottomLeft, CornerTopLeft, CornerTopRight, CornerCount };

// The HUD's state; the application owns one for the whole run.
// The numbered resources of the loading screen.
inline constexpr int CornerBottomRightResourceId = 129;  // "4loader_rd.tga"
inline constexpr int CornerBottomLeftResourceId = 130;   // "4loader_ld.tga"
inline constexpr int CornerTopRightResourceId = 131;     // "4loader_ru.tga"
inline constexpr int CornerTopLeftResourceId = 132;      // "4loader_lu.tga"
inline constexpr int LoadingPictureResourceId = 133;     // "load.jpg"
inline constexpr int LoadingGlowResourceId = 134;        // "loadg.jpg"

struct Hud {
  DigitFont font;
  GLuint loadingPicture = 0;         // "load.jpg"
  GLuint glowPicture = 0;            // "loadg.jpg"
  GLuint corners[CornerCount] = {};  // 0 draws an untextured quad
  uint32_t loadingSteps = 0;         // load progress messages seen so far
  float introTime = 0;               // seconds of intro drawn so far
};

// Loads the two pictures and the four corner images from their numbered
// resources. A picture that fails is logged and keeps texture 0; the corner
// images that fail give their statuses, for the host to show.
std::vector<ImageStatus> LoadLoadingImages(Hud& hud, const RenderResources& render);

// The loading picture in the middle of the window and the corner images,
// in overlay space. The step is not shown. Leaves blending on with the
// function (source alpha, one minus source alpha).
void LoadingScreen(const Hud& hud, const Settings& settings, uint32_t step);

// One intro frame: adds delta (seconds) to hud.introTime; the glow swells
// and fades, the loading picture widens and darkens, and the picture turns
// white by the end of IntroDuration. It draws with the blend function it
// finds (the loading screen's in the first call, the additive default
// after), and leaves blending on, additive.
void IntroTransition(Hud& hud, const Settings& settings, float delta);

// The scene's fades at scene time t (seconds), over the picture rows, in
// the order of FadeKind. A window is drawn while start <= t <= end with
// f = (t - start) / (end - start): opacity f fading out, 1 - f fading in.
// A window of no length (start == end) counts as complete at its one
// instant: "fout 0 0" covers that frame in black, "fback 0 0" leaves it clear.
void FadeOverlay(const Settings& settings, double t, const FadeWindow (&fades)[FadeKindCount]);

// Black bands over the window rows below and above the picture rows, in
// overlay space; nothing when the picture has the whole window. Draws opaque only with blending off, as the frame leaves it here.
void DrawLetterbox(const Settings& settings);

// The clock at the bottom right, (370, 0) in 12-hour mode, else (420, 0),
// on a 4:3 window and as far from the right edge on others; the frame
// counter at the top left, (0, 540). Both draw white digits with
// the font's texture, blended with the function in force (additive in the
// frame), and turn blending on.
void DrawClock(const Hud& hud, const Settings& settings, const LocalTime& time);
void DrawFps(const Hud& hud, const Settings& settings, int value);
