// The full-screen run, from the first window to the last clean-up step:
// windows on every monitor, the OpenGL state, the loading screen while every
// world is read, the music, the six-second intro, the random start of the
// flight, the frame loop until the user ends it, and the shut-down.
#pragma once

class ScreensaverApp;

// Which step ended a run that could not go on; the display mode, the cursor
// and the windows are given back in every case.
enum class RunStatus { Ok, NoWindow, NoAudioLibrary };
const char* RunStatusText(RunStatus status);

// InitApp must have run.
RunStatus RunSaver(ScreensaverApp& app);
