// The scene fades: four windows of scene time that scene scripts set and the
// HUD draws over the picture.
#pragma once

// A fade window in seconds of scene time; (-1, -1) is unset.
struct FadeWindow {
  float start = -1;
  float end = -1;
};

// The four windows, in the order the overlay draws them.
enum FadeKind { FadeOutToBlack, FadeInFromBlack, FadeOutToWhite, FadeInFromWhite, FadeKindCount };
