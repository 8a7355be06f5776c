// View culling: how a sphere round the origin of the current modelview meets
// the view frustum. A sphere wholly outside could make no fragment, so its
// mesh need not be sent, and a small one can be drawn coarser: on a
// software renderer a field of rocks costs its triangles whether they cover
// a pixel or a hundred.
#pragma once
#include <limits>

struct SphereOnScreen {
  bool outside = false;  // wholly outside the frustum
  // its radius on screen, about; unbounded when the eye is inside it
  float pixels = std::numeric_limits<float>::infinity();
};

// clip: projection times modelview, column-major as GL keeps it; radius in
// the modelview's units, 0 for an unknown bound (never outside, never small);
// viewportHeight in pixels.
SphereOnScreen SeeSphereInClip(const float clip[16], float radius, float viewportHeight);
// The same for GL's current projection, modelview and viewport.
SphereOnScreen SeeSphere(float radius);
