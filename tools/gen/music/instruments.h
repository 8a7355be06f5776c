// The instruments of the music track. Each renders one note of the score
// into a loop buffer, wrapping what rings past the loop's end to its start.
#pragma once
#include <cstdint>

#include "tools/gen/music/dsp.h"
#include "tools/gen/music/score.h"

// Converts the score's beats to frames.
struct Timing {
  double rate = 44100;        // frames per second
  double beatSeconds = 1.0;
  int64_t Frame(double beats) const;
  double LoopSeconds(const Score& score) const { return score.lengthBeats * beatSeconds; }
};

// Three detuned saws spread across the stereo field and a sine, through a
// slowly opening low-pass, which also breathes with a slow sweep of two
// cycles a loop.
void RenderPad(const HeldNote& note, const Timing& timing, const Score& score, StereoBuffer& out);
// A sine with a touch of its octave, on the chord's root.
void RenderSub(const HeldNote& note, const Timing& timing, StereoBuffer& out);
// A soft, round low note: short swell, quick exponential decay.
void RenderPulse(const PulseNote& note, const Timing& timing, StereoBuffer& out);
// A struck bell: inharmonic partials that decay at their own rates, the
// upper ones first, over about ten seconds.
void RenderBell(const BellNote& note, const Timing& timing, StereoBuffer& out);
