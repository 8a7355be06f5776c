// The ship designs, in body axes (x forward, y left, z up, origin at the
// centre of mass) and stored as model.h describes.
#pragma once
#include "tools/gen/meshes/model.h"

Model BuildInterceptor();  // "interceptor": small, sleek fighter, 14 units long
Model BuildShuttle();      // "shuttle": crew and cargo shuttle, 22 units long
Model BuildFrigate();      // "frigate": warship, 114 units long
Model BuildFreighter();    // "freighter": container hauler, 168 units long
