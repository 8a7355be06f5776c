#include "objects/flare.h"

#include "render/camera_view.h"
#include "objects/object_context.h"
#include "objects/object_placement.h"
#include "render/gl.h"
#include "render/overlay.h"
#include "render/texture_loader.h"

namespace {

// Lens ghosts in drawing order: place along the line from the flare (0)
// through the centre of the window (1), size factor, lens texture.
struct Ghost {
  float t, k;
  int texture;
};
constexpr Ghost Ghosts[Flare::GhostCount] = {
    {-0.05f, 1.0f, 2}, {0.21f, 0.1f, 0}, {0.32f, 0.5f, 2}, {0.7f, 0.1f, 2},  {0.85f, 0.2f, 2},
    {0.89f, 0.03f, 1}, {1.21f, 0.05f, 2}, {1.39f, 0.2f, 0}, {1.44f, 0.1f, 2}, {1.8f, 0.4f, 2}};

Vec3 WindowCentre(const Settings& settings) {
  return {float(settings.Width / 2), float(settings.Height / 2), 0};
}

// A quad about (x, y): texture (0,0) at (x-w, y-h), (0,1) at (x-w, y+h),
// (1,1) at (x+w, y+h), (1,0) at (x+w, y-h).
void DrawQuad(float x, float y, float w, float h) {
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0), glVertex2f(x - w, y - h);
  glTexCoord2f(0, 1), glVertex2f(x - w, y + h);
  glTexCoord2f(1, 1), glVertex2f(x + w, y + h);
  glTexCoord2f(1, 0), glVertex2f(x + w, y - h);
  glEnd();
}

float WrapDegrees(float angle) {
  if (angle > 360) angle -= 360;
  if (angle < 0) angle += 360;
  return angle;
}

}  // namespace

Flare::Flare(const ObjectContext& context) : SceneObject(context) {}

// Pixel sizes in object files are given for a display this many pixels wide.
constexpr float FlareReferenceWidth = 800;

float Flare::WidthScale() const { return float(context.settings->Width) / FlareReferenceWidth; }

void Flare::ReadProperty(const BlockScope& scope) {
  const ScriptReader& in = scope.reader;
  float value, fadeInPerFrame, fadeOutPerFrame;
  if (in.StartsWith("size") && in.Scan("size %f", value) == 1) size = value * WidthScale();
  if (in.StartsWith("flash")) {
    flash = true;
    in.Scan("flash %f)", flashRange);
  }
  if (in.StartsWith("focus")) {
    focus = true;
    in.Scan("focus %f)", focusStart);
  }
  if (in.StartsWith("parent")) {
    char parentName[sizeof name] = {};
    if (in.Scan("parent %s V(%f %f %f)", parentName, offset.x, offset.y, offset.z) >= 1)
      parent = scope.FindParent(parentName);
  }
  if (in.StartsWith("FOV")) in.Scan("FOV %f", fov);
  if (in.StartsWith("alpha")) {
    // Rates are given per frame at 60 frames per second.
    int read = in.Scan("alpha %f fade: %f %f", alpha, fadeInPerFrame, fadeOutPerFrame);
    if (read >= 2) fadeIn = fadeInPerFrame * 60;
    if (read >= 3) fadeOut = fadeOutPerFrame * 60;
  }
  if (in.StartsWith("env")) {
    env = true;
    in.Scan("env V(%f %f %f)", offset.x, offset.y, offset.z);
  }
  if (in.StartsWith("texture")) ReadTextureLine(in);
  if (in.StartsWith("position")) in.Scan("position V(%f %f %f)", position.x, position.y, position.z);
  if (in.StartsWith("lenseffect")) ReadLensEffect(scope.reader);
  if (in.StartsWith("rotation")) {
    float speed;
    if (in.Scan("rotation %f %f", rotationAngle, speed) == 2) rotationSpeed = speed * 60;
  }
  if (in.StartsWith("xy")) in.Scan("xy %f", xy);
  if (in.StartsWith("orient")) {
    orient = true;
    in.Scan("orient V(%f %f %f)", orientPoint.x, orientPoint.y, orientPoint.z);
  }
}

void Flare::ReadLensEffect(ScriptReader& in) {
  lensEffect = true;
  if (!in.Next()) return;
  float value;
  if (in.Scan("\tsize %f", value) == 1) lensSize = value * WidthScale();
  for (uint32_t& lens : lensTextures) {
    if (!in.Next()) return;
    char path[ScriptReader::LineCapacity] = {};
    if (in.Scan("\ttexture %s", path) == 1) LoadLensTexture(*context.render, lens, path);
  }
}

void Flare::Update(double dt) {
  if (visible) {
    if (alpha < 1) alpha += float(dt * fadeIn);
    if (alpha > 1) alpha = 1;
  } else {
    if (alpha > 0) alpha -= float(dt * fadeOut);
    if (alpha < 0) alpha = 0;
  }
  rotationAngle = WrapDegrees(rotationAngle + float(dt * rotationSpeed));
  flashClock += float(6 * dt);
  if (flashClock > flashEnd) {
    // A new flicker cycle: dark for d seconds, then lit for a random time.
    float d = context.random->NextFraction() * flashRange + 0.1f;
    flashEnd = (context.random->NextFraction() * flashRange + d + 0.1f) * 6;
    flashOff = d * 6;
    flashClock = 0;
  }
}

void Flare::Render(const CameraView& camera) {
  if (parent && !parent->active) return;
  glPushMatrix();
  if (hasTexture) glBindTexture(GL_TEXTURE_2D, texture);
  SaveProjection();
  if (env) {
    position = Add(camera.eye, offset);
    LoadEnvFrustum(*context.aspect, fov);
  }
  if (parent) position = ParentOffsetPosition(*parent, offset);
  GLdouble model[16], projection[16], wx, wy, wz;
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  if (gluProject(position.x, position.y, position.z, model, projection, viewport, &wx, &wy, &wz)) {
    TestVisibility(camera, wx, wy, wz);
    if (alpha > 0) {
      DrawLight(camera, float(wx), float(wy));
      if (lensEffect) DrawGhosts(float(wx), float(wy));
      glEnable(GL_LIGHTING);
    }
  }
  RestoreProjection();
  glPopMatrix();
}

void Flare::TestVisibility(const CameraView& camera, double wx, double wy, double wz) {
  const Settings& settings = *context.settings;
  double threshold = env ? 1.0 : wz;
  Vec3 direction = env ? offset : Sub(position, camera.position);
  if (Dot(Normalize(direction), camera.look) < 0) threshold = 1000;  // behind the camera
  // Only pixels of the picture are read; the letterbox bands and anything
  // beside the window count as covered.
  bool inPicture = wx >= 0 && wx < settings.Width && wy > settings.ViewPortBottom &&
                   wy < settings.ViewPortTop;
  GLfloat depth = 1;  // a cleared buffer: what counts when no depth can be read
  if (inPicture) glReadPixels(GLint(wx), GLint(wy), 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
  visible = inPicture && depth >= threshold;
  if (flash && flashClock < flashOff) visible = false;
}

void Flare::DrawLight(const CameraView& camera, float wx, float wy) {
  BeginPixelOverlay(*context.settings);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  float intensity = 1;
  if (focus) {
    // Bright only while the camera looks almost straight at the flare.
    float k = Dot(Normalize(offset), camera.look);
    float share = (k - focusStart) / (1 - focusStart);
    intensity = share > 0 ? share : 0;
  }
  glColor4f(1, 1, 1, intensity * alpha);
  glTranslatef(wx, wy, 0);
  glRotatef(rotationAngle, 0, 0, 1);
  if (orient) {
    Vec3 towards = Sub(orientPoint, WindowCentre(*context.settings));
    glRotatef(90 * Dot(Normalize({wx, wy, 0}), Normalize(towards)), 0, 0, 1);
  }
  DrawQuad(0, 0, size * xy, size);
  EndPixelOverlay();
}

void Flare::DrawGhosts(float qx, float qy) {
  Vec3 centre = WindowCentre(*context.settings);
  float rx = centre.x - qx, ry = centre.y - qy;
  BeginPixelOverlay(*context.settings);
  for (int i = 0; i < GhostCount; ++i) {
    const Ghost& ghost = Ghosts[i];
    glBindTexture(GL_TEXTURE_2D, lensTextures[ghost.texture]);
    glColor4f(0.5f, 0.5f, float(i) / 10, 0.2f);
    float h = lensSize * ghost.k;
    DrawQuad(qx + ghost.t * rx, qy + ghost.t * ry, h, h);
  }
  EndPixelOverlay();
}
