// A quick lit orthographic view of a sphere map: the previews use it to
// check seams and poles, and the dialog picture to show a planet.
#pragma once
#include "tools/common/image.h"
#include "tools/gen/textures/art.h"

struct SphereView {
  float yawDegrees = 0;   // 0 faces the map's seam (longitude 0)
  float tiltDegrees = 0;  // positive looks down on the north pole
  Dir light{-0.5f, 0.55f, 0.65f};  // towards the light in view space (x right, y up, z to the viewer)
  float ambient = 0.06f;
};

// The sphere fills a size x size picture; `clouds` (white on black, may be
// null) is laid over the surface. Pixels outside the disc are black.
RgbImage RenderSphere(const RgbImage& map, const RgbImage* clouds, int size, const SphereView& view);
// Coverage of the disc, 0..1 per pixel, matching RenderSphere's edge.
GrayImage SphereCoverage(int size);
