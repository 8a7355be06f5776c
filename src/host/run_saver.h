// The full-screen run, from the first window to the last clean-up step:
// windows on every monitor, the OpenGL state, the loading screen while every
// world is read, the music, the six-second intro, the random start of the
// flight, the frame loop until the user ends it, and the shut-down.
#pragma once

class ScreensaverApp;

// InitApp must have run. Returns 0 in every case.
int RunSaver(ScreensaverApp& app);
