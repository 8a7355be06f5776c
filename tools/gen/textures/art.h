// The texture generator's shared vocabulary: what a maker returns (Picture),
// how makers are listed (ArtJob), and the small drawing and sphere helpers
// every group of makers uses. All makers are pure functions of their seeds.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/common/image.h"

// One generated file.
struct Picture {
  std::string path;            // relative to the content folder, '/' separated
  std::string use;             // one line for the manifest: what the file is for
  std::vector<uint8_t> bytes;  // the file's contents
  int width = 0, height = 0;
  std::vector<uint8_t> look;   // 8-bit RGB of what it shows, rows top first (previews)
  std::string group;           // preview sheet it belongs on
  bool planetMap = false;      // also previewed wrapped on a sphere
};

struct ArtInputs {
  std::string fontDir;  // folder holding the DejaVu TrueType files
};

struct ArtJob {
  std::string name;
  std::function<std::vector<Picture>(const ArtInputs&)> make;
};

// Each group of makers appends its jobs; main runs them all.
void AddSkyJobs(std::vector<ArtJob>& jobs);
void AddPlanetJobs(std::vector<ArtJob>& jobs);
void AddSpriteJobs(std::vector<ArtJob>& jobs);
void AddGalaxyJobs(std::vector<ArtJob>& jobs);
void AddHullJobs(std::vector<ArtJob>& jobs);
void AddFontJobs(std::vector<ArtJob>& jobs);
void AddLoadingJobs(std::vector<ArtJob>& jobs);
void AddWindowsArtJobs(std::vector<ArtJob>& jobs);

// A JPEG archive member: `archiveName` as stored in the archive, lower case
// with '\' separators ("textures\\sun_orange.jpg").
Picture ArchiveJpeg(const std::string& archiveName, const RgbImage& image, const std::string& group,
                    const std::string& use, int quality = 88);
// A numbered-resource file written under resources/ with the given bytes.
Picture ResourceFile(const std::string& fileName, std::vector<uint8_t> bytes, int width, int height,
                     std::vector<uint8_t> look, const std::string& group, const std::string& use);

// --- Small math ---
struct Dir {
  float x = 0, y = 0, z = 0;
};
inline float Dot(Dir a, Dir b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Dir Along(Dir d, float k) { return {d.x * k, d.y * k, d.z * k}; }
inline Dir Plus(Dir a, Dir b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Dir Normalize(Dir d);
Dir Cross(Dir a, Dir b);
float Clamp01(float v);
float Smoothstep(float edge0, float edge1, float v);

// A colour ramp: stops sorted by position, linear between them.
struct ColorStop {
  float at;
  Rgb color;
};
Rgb Ramp(const std::vector<ColorStop>& stops, float t);

// --- Sphere maps (equirectangular; x is longitude from 0 to 360 degrees,
// row 0 is the north pole, so the bottom row, texture t = 0, is the south) ---
Dir EquirectDirection(float x, float y, int width, int height);  // x, y in pixels
// Fills a map by calling `shade` with the unit direction of each pixel centre,
// or with the average of samples x samples directions spread over each pixel
// (for fields finer than a pixel, which would alias into streaks).
// Sampling 3D fields on the sphere gives maps without a seam or pole artefacts.
RgbImage ShadeSphereMap(int width, int height, const std::function<Rgb(Dir)>& shade, int samples = 1);
// Averages each row over as many pixels as its circle of latitude is shorter
// than the equator, so every texel covers about the same area of sphere: fine
// detail near the poles is smoothed away and the pole rows become one colour.
void EqualAreaRows(RgbImage& map);
// A random unit vector from two hashes of (seed, index).
Dir RandomDirection(uint32_t seed, uint32_t index);

// --- Sprites ---
// A square sprite for additive drawing: `shade` gets the distance from the
// centre (1 = half the side) and the angle in radians; the result is
// supersampled, then forced to black from r = 0.96 outward with a soft edge,
// so no square edge can show.
RgbImage RadialSprite(int size, const std::function<Rgb(float r, float angle)>& shade, int supersample = 2);

// --- Text ---
// Adds `mask` into `canvas` with its top-left corner at (x, y), clipped to
// the canvas; coverage saturates at 1.
void Stamp(GrayImage& canvas, const GrayImage& mask, int x, int y);
// Glyph colour over a glow: `core` where the text covers, `glow` tinting two
// blurred halos of the coverage (sigmas in pixels), summed and tone mapped.
RgbImage GlowingText(const GrayImage& coverage, Rgb core, Rgb glow, float nearSigma, float farSigma);
