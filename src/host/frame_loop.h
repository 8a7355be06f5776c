// The frame loop of a full-screen run: one window message per iteration, or,
// when none is waiting, one frame (exit rules, timing, the director, the
// objects' updates, the camera targets, drawing and presenting). A frame in
// which an exit condition is found is still drawn and presented. Frames are
// paced (see frame_pacer.h); while the flight window cannot be seen nothing
// is drawn and the flight's clock stands still.
#pragma once
#include "director/scene_director.h"

class ScreensaverApp;

// A scene script that could not be opened: "Scene: %s not open".
void ReportScene(ScreensaverApp& app, SceneStatus status);

void RunFrameLoop(ScreensaverApp& app);
// Draws one frame without presenting it.
void RenderFrame(ScreensaverApp& app);
