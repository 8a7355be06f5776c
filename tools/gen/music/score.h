// The composition of the music track, as notes in beats. D major at 60
// beats a minute: sixteen chords of twelve beats each (a chord every 12 s)
// in two phrases of eight, a sustained sub-bass on each chord's root, a
// soft pulse on every beat, and a few bell notes over each chord. The
// score is one period of a loop: notes may ring past its end.
#pragma once
#include <cstdint>
#include <vector>

constexpr int kChordCount = 16;
constexpr int kBeatsPerChord = 12;

// A held note: it swells in from start over attack, holds, and fades over
// release from end.
struct HeldNote {
  double start = 0, end = 0;  // beats; start may be negative (before the loop's start)
  double attack = 0, release = 0;  // beats
  int midi = 0;
  uint32_t seed = 0;          // varies the detuning and phases of its voices
};

struct PulseNote {
  double start = 0;           // beats
  int midi = 0;
  float velocity = 0;         // 0..1
};

struct BellNote {
  double start = 0;           // beats
  int midi = 0;
  float velocity = 0;         // 0..1
  float pan = 0;              // -1 left .. 1 right
};

struct Score {
  double lengthBeats = 0;
  std::vector<HeldNote> pads, subs;
  std::vector<PulseNote> pulses;
  std::vector<BellNote> bells;
};

// The first chordCount (1..kChordCount) chords of the progression.
Score ComposeScore(int chordCount);
