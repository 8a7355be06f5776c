// Programme loudness of a stereo track: K-weighted, gated mean power over
// 400 ms blocks (the broadcast loudness measure), in LUFS.
#pragma once

#include "tools/gen/music/dsp.h"

double IntegratedLoudness(const StereoBuffer& track, double rate);
