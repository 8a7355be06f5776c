#include "render/mesh_geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/resource_stream.h"
#include "render/render_resources.h"

namespace {

void EmitCorner(const MeshFile& mesh, size_t face, int k, const GlExtensions& ext) {
  const float* n = &mesh.normals[face * 9 + size_t(k) * 3];
  glNormal3f(n[0], n[1], n[2]);
  uint32_t c = mesh.texCorner[k][face];
  if (ext.multiTexture) {
    ext.multiTexCoord2f(GL_TEXTURE0_ARB, mesh.s[c], mesh.t[c]);
    ext.multiTexCoord2f(GL_TEXTURE1_ARB, mesh.s[c], mesh.t[c]);
  } else {
    glTexCoord2f(mesh.s[c], mesh.t[c]);
  }
  uint32_t v = mesh.corner[k][face];
  glVertex3f(mesh.x[v], mesh.y[v], mesh.z[v]);
}

float BoundingRadius(const MeshFile& mesh) {
  float squared = 0;
  for (size_t v = 0; v < mesh.x.size(); ++v)
    squared = std::max(squared, mesh.x[v] * mesh.x[v] + mesh.y[v] * mesh.y[v] + mesh.z[v] * mesh.z[v]);
  return std::sqrt(squared);
}

// Below these radii on the screen, in pixels, the small and tiny lists are
// drawn; their grids keep cells of about one and a half pixels.
constexpr float SmallPixels = 12, TinyPixels = 3;
constexpr int SmallCells = 16, TinyCells = 4;

}  // namespace

MeshFile MergedOnGrid(const MeshFile& mesh, int cellsAcross) {
  MeshFile merged = mesh;
  if (mesh.vertexCount == 0) return merged;
  auto [minX, maxX] = std::minmax_element(mesh.x.begin(), mesh.x.end());
  auto [minY, maxY] = std::minmax_element(mesh.y.begin(), mesh.y.end());
  auto [minZ, maxZ] = std::minmax_element(mesh.z.begin(), mesh.z.end());
  float extent = std::max({*maxX - *minX, *maxY - *minY, *maxZ - *minZ});
  float perCell = extent > 0 ? cellsAcross / extent : 0;
  auto cellOf = [&](float value, float low) {
    float cell = (value - low) * perCell;  // NaN and infinite positions go to the first cell
    return cell >= 0 && cell < float(cellsAcross) ? int(cell) : cell >= float(cellsAcross) ? cellsAcross - 1 : 0;
  };
  std::vector<uint32_t> first(size_t(cellsAcross) * cellsAcross * cellsAcross, UINT32_MAX);
  std::vector<uint32_t> moved(mesh.vertexCount);
  for (uint32_t v = 0; v < mesh.vertexCount; ++v) {
    size_t cell = (size_t(cellOf(mesh.x[v], *minX)) * cellsAcross + size_t(cellOf(mesh.y[v], *minY))) * cellsAcross +
                  size_t(cellOf(mesh.z[v], *minZ));
    if (first[cell] == UINT32_MAX) first[cell] = v;
    moved[v] = first[cell];
  }
  for (auto& list : merged.corner) list.clear();
  for (auto& list : merged.texCorner) list.clear();
  merged.normals.clear();
  for (size_t face = 0; face < mesh.faceCount; ++face) {
    uint32_t a = moved[mesh.corner[0][face]], b = moved[mesh.corner[1][face]], c = moved[mesh.corner[2][face]];
    if (a == b || b == c || a == c) continue;
    for (int k = 0; k < 3; ++k) {
      merged.corner[k].push_back(moved[mesh.corner[k][face]]);
      merged.texCorner[k].push_back(mesh.texCorner[k][face]);
    }
    merged.normals.insert(merged.normals.end(), &mesh.normals[face * 9], &mesh.normals[face * 9 + 9]);
  }
  merged.faceCount = uint32_t(merged.corner[0].size());
  return merged;
}

GLuint MeshGeometry::ListFor(float pixels) const {
  if (pixels < TinyPixels && tinyList) return tinyList;
  if (pixels < SmallPixels && smallList) return smallList;
  return displayList;
}

GLuint CompileMesh(const MeshFile& mesh, const GlExtensions& ext) {
  GLuint list = glGenLists(1);
  if (list == 0) return 0;
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glNewList(list, GL_COMPILE);
  glBegin(GL_TRIANGLES);
  for (size_t face = 0; face < mesh.faceCount; ++face) {
    for (int k = 0; k < 3; ++k) EmitCorner(mesh, face, k, ext);
  }
  glEnd();
  glEndList();
  glPopMatrix();
  glFinish();
  return list;
}

bool MeshGeometry::LoadMesh(const RenderResources& render, const char* path, bool smallLists) {
  render.log.Write("Load mesh <").Write(path).Write("> ...");
  auto known = render.meshes.find({path, smallLists});
  if (known != render.meshes.end()) {
    *this = known->second;
    return true;
  }
  ResourceStream stream;
  if (!render.resources.OpenArchiveMember(path, stream)) {
    render.log.Write("failed! not in the archive\n");
    return false;
  }
  if (!LoadMeshData(render, stream.data(), stream.size(), smallLists)) return false;
  render.meshes[{path, smallLists}] = *this;
  return true;
}

bool MeshGeometry::LoadMeshData(const RenderResources& render, const uint8_t* data, size_t size, bool smallLists) {
  MeshFile mesh;
  MeshCheck check = ParseMeshFile(data, size, mesh);
  if (!check.ok) {
    render.log.Write("failed! ").Write(check.problem.c_str()).Write("\n");
    return false;
  }
  GLuint list = CompileMesh(mesh, render.gl);
  if (list == 0) return false;
  displayList = list;
  radius = BoundingRadius(mesh);
  smallList = smallLists ? CompileMesh(MergedOnGrid(mesh, SmallCells), render.gl) : 0;
  tinyList = smallLists ? CompileMesh(MergedOnGrid(mesh, TinyCells), render.gl) : 0;
  return true;
}
