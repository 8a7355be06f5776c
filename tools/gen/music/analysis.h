// Measurements of a stereo loop, for judging the music without listening:
// levels, the loop seam, how two renderings of it compare, and pictures
// of its spectrum over time.
#pragma once
#include <string>
#include <vector>

#include "tools/gen/music/dsp.h"

struct Levels {
  double peakDb = 0;        // sample peak, dBFS
  double rmsDb = 0;         // both channels, dBFS
  double loudness = 0;      // LUFS
  double dcLeft = 0, dcRight = 0;  // mean sample value
  double sideDb = 0;        // side (L-R) level against mid (L+R), dB
};
Levels MeasureLevels(const StereoBuffer& track, double rate);

// Long-term average level in the octave bands centred on 31.5 Hz .. 16 kHz
// (ten bands), dB relative to the loudest band.
std::vector<double> OctaveBalance(const StereoBuffer& track, double rate);

struct Seam {
  // Error of a straight-line prediction of the first frames from the last
  // ones, against the 99.9th percentile of that error over the loop (at or
  // below 1: the seam is no larger a step than the music takes anyway).
  double stepRatio = 0;
  double levelChangeDb = 0;  // the 50 ms after the seam against the 50 ms before
  // Spectral difference of the windows either side of the seam against
  // the median of the same measure elsewhere in the loop.
  double spectralRatio = 0;
};
Seam MeasureSeam(const StereoBuffer& track, double rate);

// Signal-to-difference ratio of b against a (dB), over the common length.
double SignalToDifferenceDb(const StereoBuffer& a, const StereoBuffer& b);

// Spectrogram of the mid (L+R) and side (L-R) signals over seconds from
// fromSeconds (negative or past the end wraps round the loop), log
// frequency 30 Hz..16 kHz, with the level envelope beneath and a tick
// every tickSeconds. Writes a PNG; false when it cannot.
bool WriteSpectrogram(const std::string& path, const StereoBuffer& track, double rate, double fromSeconds,
                      double seconds, double tickSeconds, int width);
