// The WGL side of the flight window's OpenGL context: its pixel format and
// the entry points found through the context.
#pragma once
#include "platform/win32/win32_api.h"

// A multisampled pixel format of that request with the given samples, found
// through "wglChoosePixelFormatARB" of a throwaway window's context (the
// entry point exists only with a context); 0 when the driver has none.
int FindMultisampleFormat(HINSTANCE instance, int samples);

// Double-buffered RGBA, 32 colour, 24 depth and 8 stencil bits: the
// multisampled format when one is given and the driver takes it, else the
// closest plain one, pixel format 1 when the driver offers nothing closer.
// False when no format could be set.
bool ChoosePixelFormatForWindow(HDC dc, int multisampleFormat);

// An extension entry point of the current context, or a GL 1.1 function of
// opengl32.dll (which wglGetProcAddress does not give out); null when
// neither has it.
void* WglProcAddress(const char* name);

// Through "wglSwapIntervalEXT"; false unless it and "wglGetSwapIntervalEXT"
// both exist.
bool SetWglSwapInterval(int interval);
