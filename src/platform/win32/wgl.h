// The WGL side of the flight window's OpenGL context: its pixel format and
// the entry points found through the context.
#pragma once
#include "platform/win32/win32_api.h"

// Double-buffered RGBA, 32 colour, 24 depth and 8 stencil bits; pixel
// format 1 when the driver offers nothing closer. False when no format
// could be set.
bool ChoosePixelFormatForWindow(HDC dc);

// An extension entry point of the current context, or a GL 1.1 function of
// opengl32.dll (which wglGetProcAddress does not give out); null when
// neither has it.
void* WglProcAddress(const char* name);

// Through "wglSwapIntervalEXT"; false unless it and "wglGetSwapIntervalEXT"
// both exist.
bool SetWglSwapInterval(int interval);
