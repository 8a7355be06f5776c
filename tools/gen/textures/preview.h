// Preview sheets for looking at the generated pictures: one contact sheet
// per group, every picture at full size, and each planet map wrapped on a
// sphere from the seam side and from above a pole.
#pragma once
#include <string>
#include <vector>

#include "tools/gen/textures/art.h"

bool WritePreviews(const std::vector<Picture>& pictures, const std::string& dir, const ArtInputs& inputs);
