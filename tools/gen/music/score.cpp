#include "tools/gen/music/score.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "tools/common/noise.h"

namespace {

struct Chord {
  int bass;                   // root (or slash bass) for the sub and the pulse
  std::array<int, 5> voicing; // the pad, close voice-leading from chord to chord
  float pulse;                // loudness of the pulse under this chord
  int bells;                  // how many bell notes sound over it
};

// Dmaj9 Bm11 Gmaj7#11 A6sus2 | F#m7 Gmaj9 Em9 A7sus4 |
// D/F# Gmaj7 Bm9 F#m11 | Gmaj9 Em11 Bbmaj7 Asus4 (back to Dmaj9).
constexpr Chord kProgression[kChordCount] = {
    {38, {50, 57, 61, 64, 66}, 0.55f, 1}, {35, {50, 57, 59, 64, 66}, 0.75f, 2},
    {43, {50, 55, 59, 61, 66}, 1.00f, 2}, {45, {52, 57, 59, 64, 66}, 1.00f, 3},
    {42, {54, 57, 61, 64, 69}, 0.90f, 1}, {43, {55, 59, 62, 66, 69}, 1.00f, 2},
    {40, {52, 55, 59, 62, 66}, 0.85f, 3}, {45, {52, 57, 62, 64, 67}, 0.70f, 2},
    {42, {54, 57, 62, 64, 69}, 0.55f, 2}, {43, {55, 59, 62, 66, 71}, 0.80f, 1},
    {35, {54, 59, 62, 69, 73}, 1.00f, 3}, {42, {54, 57, 61, 64, 71}, 1.00f, 2},
    {43, {55, 59, 62, 66, 69}, 1.00f, 2}, {40, {52, 55, 59, 62, 69}, 0.90f, 3},
    {34, {50, 53, 57, 62, 70}, 0.80f, 2}, {33, {52, 57, 62, 64, 69}, 0.60f, 1},
};

// Pads swell in early and overlap the next chord; the sub changes more
// crisply, so two low roots never beat against each other for long.
constexpr double kPadLead = 2.0, kPadAttack = 4.0, kPadRelease = 5.0;
constexpr double kSubLead = 0.5, kSubAttack = 1.5, kSubRelease = 2.0;
constexpr float kPulseAccents[4] = {1.0f, 0.5f, 0.75f, 0.5f};
constexpr int kBellLowest = 69, kBellHighest = 88;
constexpr int kBellSlots = 16;    // half-beat positions: bells ring out over the last four beats
constexpr uint32_t kBellSeed = 0xB311;

bool InChord(const Chord& chord, int midi) {
  if ((midi - chord.bass) % 12 == 0) return true;
  return std::any_of(chord.voicing.begin(), chord.voicing.end(),
                     [midi](int v) { return (midi - v) % 12 == 0; });
}

// The chord tone in the bell range nearest to target, other than avoid.
int NearestChordTone(const Chord& chord, int target, int avoid) {
  int best = -1;
  for (int m = kBellLowest; m <= kBellHighest; ++m) {
    if (m == avoid || !InChord(chord, m)) continue;
    if (best < 0 || std::abs(m - target) < std::abs(best - target)) best = m;
  }
  return best;
}

// Picks distinct half-beat slots at least three apart, in time order.
std::vector<int> BellSlots(int count, uint32_t& draw) {
  std::vector<int> slots;
  while (int(slots.size()) < count) {
    const int slot = int(HashUnit(kBellSeed, draw++) * kBellSlots);
    const bool clear = std::all_of(slots.begin(), slots.end(), [slot](int s) { return std::abs(s - slot) >= 3; });
    if (clear) slots.push_back(slot);
  }
  std::sort(slots.begin(), slots.end());
  return slots;
}

void AddBells(const Chord& chord, double chordStart, int& previous, uint32_t& draw, Score& score) {
  constexpr int kSteps[8] = {-7, -5, -3, -2, 2, 3, 5, 7};
  for (int slot : BellSlots(chord.bells, draw)) {
    const int step = kSteps[int(HashUnit(kBellSeed, draw++) * 8)];
    BellNote bell;
    bell.start = chordStart + slot * 0.5;
    bell.midi = NearestChordTone(chord, previous + step, previous);
    bell.velocity = 0.55f + 0.35f * HashUnit(kBellSeed, draw++);
    bell.pan = -0.6f + 1.2f * HashUnit(kBellSeed, draw++);
    score.bells.push_back(bell);
    previous = bell.midi;
  }
}

}  // namespace

Score ComposeScore(int chordCount) {
  chordCount = std::clamp(chordCount, 1, kChordCount);
  Score score;
  score.lengthBeats = double(chordCount * kBeatsPerChord);
  int previousBell = 78;
  uint32_t draw = 0;
  for (int c = 0; c < chordCount; ++c) {
    const Chord& chord = kProgression[c];
    const double start = double(c * kBeatsPerChord), end = start + kBeatsPerChord;
    for (size_t v = 0; v < chord.voicing.size(); ++v)
      score.pads.push_back({start - kPadLead, end, kPadAttack, kPadRelease, chord.voicing[v], uint32_t(c * 16 + v)});
    score.subs.push_back({start - kSubLead, end, kSubAttack, kSubRelease, chord.bass, uint32_t(c)});
    for (int b = 0; b < kBeatsPerChord; ++b)
      score.pulses.push_back({start + b, chord.bass, chord.pulse * kPulseAccents[b % 4]});
    AddBells(chord, start, previousBell, draw, score);
  }
  return score;
}
