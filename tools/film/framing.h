// Camera and ship orientations as keyframe quaternions. A keyframe
// orientation turns the camera's own axes into the world: it looks along its
// +x axis with its +z axis up (+y is its left), and a ship's nose and top
// follow the same axes.
#pragma once
#include "base/math.h"

// The view's half-extents at unit distance: right = tan of the horizontal
// half-angle, up = of the vertical (the wide-screen picture).
struct ViewExtent {
  float right = 0.8f;
  float up = 0.45f;
};

// The orientation of a camera at eye that shows target at screen position
// (u, v) (-1 to 1, right and up positive) with the horizon level, then
// rolled by roll degrees about its view axis (positive: clockwise as seen).
// Where that would tip the camera past straight up or down (a target nearly
// overhead or underfoot) it stops at 89 degrees and the target sits nearer
// the middle; the target must not lie exactly above or below the eye.
Quat FrameTarget(Vec3 eye, Vec3 target, float u, float v, float roll, ViewExtent view);
// The orientation that points the x axis along forward with the z axis as
// near world up as it can be, rolled by roll degrees about forward.
Quat Heading(Vec3 forward, float roll);
// q or -q, whichever lies nearer reference, so that neighbouring keys never
// take the long way round.
Quat Nearer(Quat q, Quat reference);
// Rotation matrix (columns: the images of x, y, z) as a unit quaternion.
Quat FromAxes(Vec3 x, Vec3 y, Vec3 z);
