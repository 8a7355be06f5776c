// Renders the music track: the score played by the instruments, with echo
// and reverberation, mastered to a comfortable level, as one seamless
// loop (what rings past the end sounds at the start).
#pragma once
#include <cstdint>

#include "tools/gen/music/dsp.h"
#include "tools/gen/music/score.h"

struct MusicPlan {
  int chordCount = kChordCount;  // a shorter plan renders the first chords only
  double beatSeconds = 1.0;      // 60 beats a minute
  uint32_t rate = 44100;
};

// The level the master aims at, and the sample peak it never passes.
constexpr double kTargetLoudness = -16.0;  // LUFS
constexpr double kPeakCeiling = -1.5;      // dBFS

// How loud each part sits in the mix, and how much of it goes into the
// reverberator (linear factors).
struct PartLevel {
  float mix, send;
};
constexpr PartLevel kPadsLevel{1.0f, 0.45f}, kPulseLevel{2.0f, 0.06f}, kBellsLevel{2.2f, 0.6f},
    kEchoLevel{1.2f, 0.45f};
constexpr float kReverbLevel = 0.75f;

struct MusicStems {
  StereoBuffer pads, pulse, bells, echo, reverb;
};

struct RenderedMusic {
  StereoBuffer mix;    // the mastered loop
  double gainDb = 0;   // the master gain that was applied
};

MusicStems RenderStems(const MusicPlan& plan);
RenderedMusic MasterStems(const MusicStems& stems, double rate);
RenderedMusic RenderMusic(const MusicPlan& plan);
