#include "tools/common/image.h"

#include <algorithm>
#include <cmath>

#include "tools/common/noise.h"

Rgb ToneMap(Rgb c) {
  auto shoulder = [](float v) {
    if (v <= 0.6f) return std::max(v, 0.0f);
    // Continuous in value and slope at 0.6, approaching 1.
    return 1.0f - 0.4f * std::exp(-(v - 0.6f) / 0.4f);
  };
  return {shoulder(c.r), shoulder(c.g), shoulder(c.b)};
}

namespace {

int Fold(int i, int n, Edge edge) {
  if (edge == Edge::Wrap) return ((i % n) + n) % n;
  return std::clamp(i, 0, n - 1);
}

float Madd(float acc, float v, float w) { return acc + v * w; }
Rgb Madd(Rgb acc, Rgb v, float w) { return {acc.r + v.r * w, acc.g + v.g * w, acc.b + v.b * w}; }

std::vector<float> GaussianKernel(float sigma) {
  int radius = std::max(1, int(std::ceil(sigma * 3.0f)));
  std::vector<float> k(size_t(2 * radius + 1));
  float sum = 0;
  for (int i = -radius; i <= radius; ++i) {
    k[size_t(i + radius)] = std::exp(-0.5f * float(i * i) / (sigma * sigma));
    sum += k[size_t(i + radius)];
  }
  for (float& v : k) v /= sum;
  return k;
}

// One blur pass along x (horizontal) or y into a new image.
template <typename T>
Image<T> BlurPass(const Image<T>& in, const std::vector<float>& kernel, bool horizontal, Edge edge) {
  const int radius = int(kernel.size() / 2);
  Image<T> out(in.Width(), in.Height());
  for (int y = 0; y < in.Height(); ++y)
    for (int x = 0; x < in.Width(); ++x) {
      T acc{};
      for (int i = -radius; i <= radius; ++i) {
        const T& v = horizontal ? in.AtEdge(x + i, y, edge) : in.AtEdge(x, y + i, edge);
        acc = Madd(acc, v, kernel[size_t(i + radius)]);
      }
      out.At(x, y) = acc;
    }
  return out;
}

// Resamples along one axis: each output cell averages the input it covers
// (downscale) or interpolates between the two nearest inputs (upscale).
template <typename T>
Image<T> ResampleAxis(const Image<T>& in, int size, bool horizontal, Edge edge) {
  const int inSize = horizontal ? in.Width() : in.Height();
  Image<T> out(horizontal ? size : in.Width(), horizontal ? in.Height() : size);
  const float ratio = float(inSize) / float(size);
  auto read = [&](int i, int other) -> const T& {
    return horizontal ? in.AtEdge(i, other, edge) : in.AtEdge(other, i, edge);
  };
  const int others = horizontal ? in.Height() : in.Width();
  for (int o = 0; o < size; ++o) {
    for (int other = 0; other < others; ++other) {
      T acc{};
      if (ratio > 1.0f) {
        float begin = float(o) * ratio, end = begin + ratio;
        for (int i = int(std::floor(begin)); float(i) < end; ++i) {
          float w = std::min(end, float(i + 1)) - std::max(begin, float(i));
          acc = Madd(acc, read(i, other), w / ratio);
        }
      } else {
        float c = (float(o) + 0.5f) * ratio - 0.5f;
        int i0 = int(std::floor(c));
        float t = c - float(i0);
        acc = Madd(Madd(acc, read(i0, other), 1 - t), read(i0 + 1, other), t);
      }
      if (horizontal)
        out.At(o, other) = acc;
      else
        out.At(other, o) = acc;
    }
  }
  return out;
}

uint8_t Quantise(float v, float dither) {
  float q = std::floor(std::clamp(v, 0.0f, 1.0f) * 255.0f + dither);
  return uint8_t(std::clamp(q, 0.0f, 255.0f));
}

}  // namespace

template <typename T>
const T& Image<T>::AtEdge(int x, int y, Edge edge) const {
  return At(Fold(x, width_, edge), Fold(y, height_, edge));
}

template <typename T>
T Image<T>::Sample(float x, float y, Edge edge) const {
  float fx = x - 0.5f, fy = y - 0.5f;
  int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
  float tx = fx - float(x0), ty = fy - float(y0);
  T acc{};
  acc = Madd(acc, AtEdge(x0, y0, edge), (1 - tx) * (1 - ty));
  acc = Madd(acc, AtEdge(x0 + 1, y0, edge), tx * (1 - ty));
  acc = Madd(acc, AtEdge(x0, y0 + 1, edge), (1 - tx) * ty);
  acc = Madd(acc, AtEdge(x0 + 1, y0 + 1, edge), tx * ty);
  return acc;
}

template <typename T>
Image<T> Blur(const Image<T>& image, float sigma, Edge edge) {
  if (sigma <= 0) return image;
  std::vector<float> kernel = GaussianKernel(sigma);
  return BlurPass(BlurPass(image, kernel, true, edge), kernel, false, edge);
}

template <typename T>
Image<T> Resample(const Image<T>& image, int width, int height, Edge edge) {
  return ResampleAxis(ResampleAxis(image, width, true, edge), height, false, edge);
}

template class Image<float>;
template class Image<Rgb>;
template GrayImage Blur(const GrayImage&, float, Edge);
template RgbImage Blur(const RgbImage&, float, Edge);
template GrayImage Resample(const GrayImage&, int, int, Edge);
template RgbImage Resample(const RgbImage&, int, int, Edge);

std::vector<uint8_t> ToRgb8(const RgbImage& image, uint32_t ditherSeed) {
  std::vector<uint8_t> out;
  out.reserve(image.Pixels().size() * 3);
  uint32_t i = 0;
  for (const Rgb& c : image.Pixels()) {
    float d = HashUnit(ditherSeed, i++);
    out.push_back(Quantise(c.r, d));
    out.push_back(Quantise(c.g, d));
    out.push_back(Quantise(c.b, d));
  }
  return out;
}

std::vector<uint8_t> ToRgba8(const RgbImage& color, const GrayImage& alpha, uint32_t ditherSeed) {
  std::vector<uint8_t> out;
  out.reserve(color.Pixels().size() * 4);
  for (size_t i = 0; i < color.Pixels().size(); ++i) {
    const Rgb& c = color.Pixels()[i];
    float d = HashUnit(ditherSeed, uint32_t(i));
    out.push_back(Quantise(c.r, d));
    out.push_back(Quantise(c.g, d));
    out.push_back(Quantise(c.b, d));
    out.push_back(Quantise(alpha.Pixels()[i], d));
  }
  return out;
}

RgbImage GrayToRgb(const GrayImage& gray) {
  RgbImage out(gray.Width(), gray.Height());
  for (size_t i = 0; i < gray.Pixels().size(); ++i) {
    float v = gray.Pixels()[i];
    out.Pixels()[i] = {v, v, v};
  }
  return out;
}
