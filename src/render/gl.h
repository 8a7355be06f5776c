// The one place that includes the GL headers: OpenGL 1.1, GLU, and the
// extension constants (multitexture units, separate specular colour). On
// Windows the GL header brings windows.h itself, lean and without min/max
// (the Windows build defines that for every file).
#pragma once
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
