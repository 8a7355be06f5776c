// Assembles meshes from parts. A Part is indexed geometry in its own
// coordinates (triangles counter-clockwise seen from outside, texture
// coordinates per corner); MeshBuilder places parts, drops degenerate
// triangles, computes corner normals per part (smooth across edges flatter
// than the part's crease angle, hard across sharper ones) and collects the
// stored arrays.
#pragma once
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "tools/gen/meshes/mesh_writer.h"
#include "tools/gen/meshes/vec.h"

struct Part {
  struct Tri {
    uint32_t v[3];
    UV uv[3];
  };
  std::vector<DVec3> positions;
  std::vector<Tri> tris;
  double creaseDegrees = 40;

  uint32_t Point(DVec3 p);
  void Triangle(uint32_t a, uint32_t b, uint32_t c, UV ua, UV ub, UV uc);
  // a, b, c, d counter-clockwise; split along a-c.
  void Quad(uint32_t a, uint32_t b, uint32_t c, uint32_t d, UV ua, UV ub, UV uc, UV ud);
  // Merges `other` placed by `place` into this part, so the two smooth together.
  void Append(const Part& other, const Frame& place = {});
};

// Replaces every corner's texture coordinate by a planar projection along the
// face's dominant axis, one repeat per `tile` units, unmirrored seen from outside.
void ProjectBox(Part& part, double tile);

// Projects from the part's origin onto the six faces of a cube, one repeat per
// `tile` units: triangles are cut along the planes |x| = |y|, |y| = |z| and
// |z| = |x| and each piece takes the face its points look out through. Where
// two faces meet, their coordinates agree up to a swap and a change of sign,
// so a texture with the square's mirror symmetries shows no seam there.
void ProjectCube(Part& part, double tile);

class MeshBuilder {
 public:
  // `output` maps the builder's coordinates to the stored ones (see model.h).
  explicit MeshBuilder(const Frame& output = {}) : output_(output) {}
  void Add(const Part& part, const Frame& place = {});
  MeshFile Take() { return std::move(mesh_); }

 private:
  uint32_t TexCoord(UV uv);

  Frame output_;
  MeshFile mesh_;
  std::map<std::pair<float, float>, uint32_t> texIndex_;
};
