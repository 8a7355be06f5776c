#include "render/overlay.h"

#include "render/gl.h"

float OverlaySpaceWidth(const Settings& settings) {
  if (settings.Width <= 0 || settings.Height <= 0) return OverlayReferenceWidth;
  return OverlayHeight * float(settings.Width) / float(settings.Height);
}

void BeginOverlay2D(const Settings& settings) {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, OverlaySpaceWidth(settings), 0, OverlayHeight, -1, 1);
  glViewport(0, 0, settings.Width, settings.Height);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
}

void EndOverlay2D(const Settings& settings) {
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glViewport(0, settings.ViewPortBottom, settings.Width, settings.ViewPortHeight);
  glMatrixMode(GL_MODELVIEW);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
}

void BeginPixelOverlay(const Settings& settings) {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, settings.Width, settings.ViewPortBottom, settings.ViewPortTop, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
}

void EndPixelOverlay() {
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
}
