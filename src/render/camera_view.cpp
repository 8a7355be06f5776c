#include "render/camera_view.h"

#include "render/gl.h"

void ApplyView(const CameraView& view, Vec3 up) {
  const Vec3& eye = view.eye;
  const Vec3& look = view.look;
  gluLookAt(eye.x, eye.y, eye.z, eye.x + look.x, eye.y + look.y, eye.z + look.z, up.x, up.y, up.z);
}
