// The optional ARB multitexture entry points. They are looked up once the GL
// context is current (InitOpenGL does it) into the table the flight owns;
// null when the driver lacks them.
#pragma once
#include <functional>

#include "render/gl.h"

// The platform's entry-point look-up: the address of a GL function, or null.
using GlProcLookup = std::function<void*(const char* name)>;

struct GlExtensions {
  void(APIENTRY* activeTexture)(GLenum unit) = nullptr;        // glActiveTextureARB
  void(APIENTRY* clientActiveTexture)(GLenum unit) = nullptr;  // glClientActiveTextureARB
  void(APIENTRY* multiTexCoord2f)(GLenum unit, GLfloat s, GLfloat t) = nullptr;  // glMultiTexCoord2fARB
  bool multiTexture = false;  // activeTexture and multiTexCoord2f are both there
};

// Fills extensions from the look-up and returns its multiTexture.
bool LookUpMultiTexture(const GlProcLookup& lookup, GlExtensions& extensions);
