#include "tools/gen/music/analysis.h"

#include <algorithm>
#include <cmath>
#include <array>
#include <complex>

#include "tools/common/png_writer.h"
#include "tools/gen/music/loudness.h"

namespace {

constexpr size_t kFftSize = 4096;
constexpr double kLowHz = 30, kHighHz = 16000;

double Db(double power) { return 10.0 * std::log10(std::max(power, 1e-20)); }

float At(const std::vector<float>& channel, int64_t index) {
  const int64_t n = int64_t(channel.size());
  return channel[size_t(((index % n) + n) % n)];
}

// In-place radix-2 transform; the size is a power of two.
void Fft(std::vector<std::complex<double>>& x) {
  const size_t n = x.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(x[i], x[j]);
  }
  for (size_t length = 2; length <= n; length <<= 1) {
    const std::complex<double> root = std::polar(1.0, -2.0 * kPi / double(length));
    for (size_t i = 0; i < n; i += length) {
      std::complex<double> w = 1;
      for (size_t k = 0; k < length / 2; ++k) {
        const std::complex<double> a = x[i + k], b = x[i + k + length / 2] * w;
        x[i + k] = a + b;
        x[i + k + length / 2] = a - b;
        w *= root;
      }
    }
  }
}

// Power spectrum (kFftSize / 2 bins) of mid + sign * side around frame
// centre: sign +1 gives the left+right sum, -1 the difference. Scaled so
// a full-scale sine reads about 0 dB.
std::vector<double> Spectrum(const StereoBuffer& track, int64_t centre, double sign) {
  std::vector<std::complex<double>> x(kFftSize);
  for (size_t i = 0; i < kFftSize; ++i) {
    const int64_t at = centre - int64_t(kFftSize / 2) + int64_t(i);
    const double window = 0.5 - 0.5 * std::cos(2.0 * kPi * double(i) / double(kFftSize));
    x[i] = window * 0.5 * (At(track.left, at) + sign * At(track.right, at));
  }
  Fft(x);
  std::vector<double> power(kFftSize / 2);
  const double scale = 4.0 / (double(kFftSize) * double(kFftSize) * 0.25);
  for (size_t k = 0; k < power.size(); ++k) power[k] = std::norm(x[k]) * scale;
  return power;
}

double SpectralDistance(const StereoBuffer& track, double rate, int64_t before, int64_t after) {
  const std::vector<double> a = Spectrum(track, before, 1), b = Spectrum(track, after, 1);
  double sum = 0;
  int bins = 0;
  for (size_t k = 0; k < a.size(); ++k) {
    const double hz = double(k) * rate / double(kFftSize);
    if (hz < kLowHz || hz > kHighHz) continue;
    const double d = std::max(Db(a[k]), -100.0) - std::max(Db(b[k]), -100.0);
    sum += d * d;
    ++bins;
  }
  return std::sqrt(sum / bins);
}

std::array<uint8_t, 3> Colour(double x) {
  struct Stop {
    double at;
    double r, g, b;
  };
  constexpr Stop kStops[] = {{0.0, 0, 0, 0},       {0.25, 20, 12, 90},    {0.5, 150, 30, 120},
                             {0.75, 240, 120, 30}, {1.0, 255, 240, 180}};
  x = std::clamp(x, 0.0, 1.0);
  for (size_t i = 1; i < std::size(kStops); ++i) {
    if (x > kStops[i].at) continue;
    const Stop &a = kStops[i - 1], &b = kStops[i];
    const double t = (x - a.at) / (b.at - a.at);
    return {uint8_t(a.r + t * (b.r - a.r)), uint8_t(a.g + t * (b.g - a.g)), uint8_t(a.b + t * (b.b - a.b))};
  }
  return {255, 240, 180};
}

}  // namespace

Levels MeasureLevels(const StereoBuffer& track, double rate) {
  Levels levels;
  double peak = 0, power = 0, mid = 0, side = 0, sumL = 0, sumR = 0;
  for (size_t i = 0; i < track.frames(); ++i) {
    const double l = track.left[i], r = track.right[i];
    peak = std::max({peak, std::fabs(l), std::fabs(r)});
    power += l * l + r * r;
    mid += (l + r) * (l + r);
    side += (l - r) * (l - r);
    sumL += l;
    sumR += r;
  }
  const double n = double(track.frames());
  levels.peakDb = 20.0 * std::log10(std::max(peak, 1e-12));
  levels.rmsDb = Db(power / (2.0 * n));
  levels.loudness = IntegratedLoudness(track, rate);
  levels.dcLeft = sumL / n;
  levels.dcRight = sumR / n;
  levels.sideDb = Db(side) - Db(mid);
  return levels;
}

std::vector<double> OctaveBalance(const StereoBuffer& track, double rate) {
  std::vector<double> bands(10, 0.0);
  const int64_t hop = int64_t(kFftSize);
  for (int64_t centre = hop / 2; centre < int64_t(track.frames()); centre += hop) {
    const std::vector<double> power = Spectrum(track, centre, 1);
    for (size_t k = 1; k < power.size(); ++k) {
      const double octave = std::log2(double(k) * rate / double(kFftSize) / 31.5);
      const long band = std::lround(octave);
      if (band >= 0 && band < 10) bands[size_t(band)] += power[k];
    }
  }
  const double loudest = *std::max_element(bands.begin(), bands.end());
  for (double& b : bands) b = Db(b) - Db(loudest);
  return bands;
}

Seam MeasureSeam(const StereoBuffer& track, double rate) {
  const int64_t n = int64_t(track.frames());
  auto predictionError = [&](int64_t i) {
    double e = 0;
    for (const std::vector<float>* c : {&track.left, &track.right})
      e = std::max(e, std::fabs(At(*c, i) - (2.0 * At(*c, i - 1) - At(*c, i - 2))));
    return e;
  };
  std::vector<double> errors(static_cast<size_t>(n));
  for (int64_t i = 0; i < n; ++i) errors[size_t(i)] = predictionError(i);
  std::vector<double> sorted = errors;
  const size_t rank = size_t(0.999 * double(n - 1));
  std::nth_element(sorted.begin(), sorted.begin() + rank, sorted.end());
  Seam seam;
  seam.stepRatio = std::max(errors[0], errors[1]) / std::max(sorted[rank], 1e-12);

  const int64_t window = int64_t(0.05 * rate);
  double before = 0, after = 0;
  for (int64_t i = 0; i < window; ++i) {
    before += std::pow(At(track.left, -1 - i), 2) + std::pow(At(track.right, -1 - i), 2);
    after += std::pow(At(track.left, i), 2) + std::pow(At(track.right, i), 2);
  }
  seam.levelChangeDb = Db(after) - Db(before);

  const int64_t half = int64_t(kFftSize / 2);
  std::vector<double> elsewhere;
  for (int k = 1; k < 64; ++k) {
    const int64_t at = n * k / 64;
    elsewhere.push_back(SpectralDistance(track, rate, at - half, at + half));
  }
  std::nth_element(elsewhere.begin(), elsewhere.begin() + elsewhere.size() / 2, elsewhere.end());
  seam.spectralRatio = SpectralDistance(track, rate, -half, half) / elsewhere[elsewhere.size() / 2];
  return seam;
}

double SignalToDifferenceDb(const StereoBuffer& a, const StereoBuffer& b) {
  const size_t n = std::min(a.frames(), b.frames());
  double signal = 0, difference = 0;
  for (size_t i = 0; i < n; ++i) {
    signal += double(a.left[i]) * a.left[i] + double(a.right[i]) * a.right[i];
    difference += std::pow(double(a.left[i]) - b.left[i], 2) + std::pow(double(a.right[i]) - b.right[i], 2);
  }
  return Db(signal) - Db(difference);
}

bool WriteSpectrogram(const std::string& path, const StereoBuffer& track, double rate, double fromSeconds,
                      double seconds, double tickSeconds, int width) {
  constexpr int kMidRows = 360, kSideRows = 180, kLevelRows = 80, kGap = 4;
  constexpr double kFloorDb = -120, kTopDb = -10;
  const int height = kMidRows + kGap + kSideRows + kGap + kLevelRows;
  std::vector<uint8_t> pixels(size_t(width) * height * 3, 40);
  auto put = [&](int x, int y, std::array<uint8_t, 3> c) {
    std::copy(c.begin(), c.end(), pixels.begin() + (size_t(y) * width + x) * 3);
  };
  auto column = [&](int x, const std::vector<double>& power, int top, int rows) {
    for (int y = 0; y < rows; ++y) {
      const double hz = kLowHz * std::pow(kHighHz / kLowHz, 1.0 - (y + 0.5) / rows);
      const size_t bin = std::min(power.size() - 1, size_t(std::lround(hz * kFftSize / rate)));
      put(x, top + y, Colour((Db(power[bin]) - kFloorDb) / (kTopDb - kFloorDb)));
    }
  };
  const int levelTop = kMidRows + kGap + kSideRows + kGap;
  const double framesPerColumn = seconds * rate / width;
  for (int x = 0; x < width; ++x) {
    const int64_t first = std::llround((fromSeconds + x * seconds / width) * rate);
    const int64_t centre = first + int64_t(framesPerColumn / 2);
    column(x, Spectrum(track, centre, 1), 0, kMidRows);
    column(x, Spectrum(track, centre, -1), kMidRows + kGap, kSideRows);
    double peak = 0, power = 0;
    for (int64_t i = first; i < first + int64_t(framesPerColumn); ++i) {
      const double l = At(track.left, i), r = At(track.right, i);
      peak = std::max({peak, std::fabs(l), std::fabs(r)});
      power += (l * l + r * r) / 2;
    }
    const double rmsDb = Db(power / std::max(1.0, framesPerColumn)), peakDb = Db(peak * peak);
    for (int y = 0; y < kLevelRows; ++y) {
      const double db = -48.0 * (y + 0.5) / kLevelRows;  // 0 dBFS at the top
      const std::array<uint8_t, 3> c = db <= rmsDb ? std::array<uint8_t, 3>{120, 200, 255}
                                       : db <= peakDb ? std::array<uint8_t, 3>{40, 90, 140}
                                                      : std::array<uint8_t, 3>{0, 0, 0};
      put(x, levelTop + y, c);
    }
    const double t0 = fromSeconds + x * seconds / width, t1 = fromSeconds + (x + 1) * seconds / width;
    if (std::floor(t1 / tickSeconds) != std::floor(t0 / tickSeconds) || std::fmod(t0, tickSeconds) == 0)
      for (int y = levelTop; y < levelTop + 8; ++y) put(x, y, {255, 255, 255});
  }
  return WritePng(path, width, height, 3, pixels);
}
