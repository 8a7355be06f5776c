// Reading and preparing keyframe tracks (the camera's and every dynamic
// object's): keys are read from a scene script's keyframe list, then the
// position tangents and the orientation control points are computed so that
// both curves pass smoothly through every key.
#pragma once
#include "base/keyframes.h"

class ScriptReader;

// Reads "keyframe" ... "end" blocks up to the line starting with "ENDKEYS"
// (or the end of the data) and appends their keys to track. The reader is
// left on the "ENDKEYS" line.
void ParseKeyframes(KeyframeTrack& track, ScriptReader& reader);
// Computes every key's gradient and Bezier control quaternions from its
// neighbours, replacing any given in the script. A track with fewer than
// two keys is left as it is: there is no curve to shape.
void PrepareTrack(KeyframeTrack& track);
void ClearTrack(KeyframeTrack& track);
