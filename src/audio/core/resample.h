// Linear-interpolation rate conversion of stereo 16-bit PCM.
#pragma once
#include <cstdint>

#include "audio/core/pcm.h"

// Returns the sound at toRate: round(frames * toRate / fromRate) frames,
// each interpolated between its two nearest source frames (the last source
// frame holds at the end). Equal rates return a copy. Rates must be > 0.
StereoPcm ResampleLinear(const StereoPcm& source, uint32_t fromRate, uint32_t toRate);
