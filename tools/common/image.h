// Float pictures for the content generators: a linear RGB colour value, an
// image of any pixel type (float for masks and alpha, Rgb for colour), and
// the blur, resample and 8-bit conversion helpers the generators share.
// Rows are stored top first; values are unbounded floats until converted.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
  float r = 0, g = 0, b = 0;
};

inline Rgb Add(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb Scale(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }
inline Rgb Mul(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return Add(a, Scale(Add(b, Scale(a, -1)), t)); }
inline float Luma(Rgb c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }
// Gentle film-like shoulder per channel: maps [0, inf) into [0, 1), keeps
// faint values nearly linear, so summed glows saturate to white, not clip.
Rgb ToneMap(Rgb c);

// How a filter reads outside the picture: repeat it (tileable maps and the
// longitude of sphere maps), or hold the nearest edge pixel.
enum class Edge { Wrap, Clamp };

template <typename T>
class Image {
 public:
  Image() = default;
  Image(int width, int height, T fill = T{}) : width_(width), height_(height), pixels_(size_t(width) * size_t(height), fill) {}
  int Width() const { return width_; }
  int Height() const { return height_; }
  T& At(int x, int y) { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
  const T& At(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
  // The pixel at (x, y) with the coordinates folded back by `edge`.
  const T& AtEdge(int x, int y, Edge edge) const;
  // Bilinear sample at pixel coordinates (pixel centres at integer + 0.5).
  T Sample(float x, float y, Edge edge) const;
  std::vector<T>& Pixels() { return pixels_; }
  const std::vector<T>& Pixels() const { return pixels_; }

 private:
  int width_ = 0, height_ = 0;
  std::vector<T> pixels_;
};

using GrayImage = Image<float>;
using RgbImage = Image<Rgb>;

// Separable Gaussian blur with standard deviation `sigma` pixels.
template <typename T>
Image<T> Blur(const Image<T>& image, float sigma, Edge edge);
// Area-weighted downscale or bilinear upscale to width x height.
template <typename T>
Image<T> Resample(const Image<T>& image, int width, int height, Edge edge);

// 8-bit RGB bytes, rows top first. Values are clamped to [0, 1]; a hashed
// sub-LSB dither (seeded, so deterministic) keeps dark gradients from banding
// and never lifts an exact 0 above 0, so black stays black.
std::vector<uint8_t> ToRgb8(const RgbImage& image, uint32_t ditherSeed);
// 8-bit RGBA bytes from a colour image and an alpha mask of the same size.
std::vector<uint8_t> ToRgba8(const RgbImage& color, const GrayImage& alpha, uint32_t ditherSeed);
// The colour image of a mask: each pixel's value in all three channels.
RgbImage GrayToRgb(const GrayImage& gray);
