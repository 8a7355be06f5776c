// The one header of the Windows host that pulls in windows.h, with the lean
// set of declarations and no min/max macros.
#pragma once
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// A looked-up entry point as the function type it really has. The detour
// through void(*)() keeps the compiler from warning about the cast.
template <class Function>
Function ProcAs(FARPROC proc) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}
