// The configuration dialog (template 115). It edits the application's live
// settings as the user clicks and writes them to the settings store only on
// OK; Cancel leaves the store as it was.
#pragma once
#include "host/screensaver_app.h"
#include "platform/win32/win32_api.h"

// Modal, owned by the command line's window when that is a window (else by
// nobody). Returns 0 when the dialog has closed.
int RunConfigure(HINSTANCE instance, ScreensaverApp& app);
