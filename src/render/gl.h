// The one place that includes the GL headers: OpenGL 1.1, GLU, and the
// extension constants (multitexture units, separate specular colour). The
// Windows GL headers need windows.h before them.
#pragma once
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
