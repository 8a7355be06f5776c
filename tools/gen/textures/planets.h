// Planet maps that other pictures reuse (the dialog picture shows the ocean
// world): equirectangular 2048 x 1024, the same as their archive textures.
#pragma once
#include "tools/common/image.h"

RgbImage OceanWorldMap();
RgbImage OceanCloudMap();
