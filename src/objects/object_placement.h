// Placement helpers shared by the object kinds: the private projection of
// camera-relative ("env") objects, the parent-relative offset of attached
// sprites, the drawing frame of a mesh's two axes, the view axes of the
// current model-view matrix and the camera-facing sprite quad. All need the
// GL context current; each leaves the matrix mode at GL_MODELVIEW.
#pragma once
#include "base/math.h"
#include "objects/scene_object.h"
#include "settings/settings.h"

// Pushes the projection matrix; RestoreProjection pops it.
void SaveProjection();
void RestoreProjection();
// Replaces the projection with the env frustum: left/right -+fov*AspectRatio,
// bottom/top -+fov*AspectScale, near 1, far 1000. A smaller fov magnifies.
void LoadEnvFrustum(const ViewAspect& aspect, float fov);

// parent.position + x*parent.right + y*(parent.right x parent.look)
//   + z*parent.look, for the offset (x, y, z).
Vec3 ParentOffsetPosition(const SceneObject& parent, Vec3 offset);

// Multiplies the model-view by the matrix whose columns are look, right and
// look x right: a mesh's own x, y, z axes.
void MultiplyDrawingFrame(Vec3 look, Vec3 right);

// The view's horizontal and vertical axes in the current model-view frame.
struct ViewAxes {
  Vec3 right, up;
};
ViewAxes CurrentViewAxes();

// One triangle strip about the current origin: texture (0,0) at -h-v,
// (1,0) at h-v, (0,1) at -h+v, (1,1) at h+v.
void DrawSprite(Vec3 h, Vec3 v);
