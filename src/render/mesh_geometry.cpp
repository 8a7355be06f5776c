#include "render/mesh_geometry.h"

#include "base/resource_stream.h"

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

}  // namespace

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

bool MeshGeometry::LoadMesh(const RenderResources& render, const char* path) {
  render.log.Write("Load mesh <").Write(path).Write("> ...");
  ResourceStream stream;
  if (!render.resources.OpenArchiveMember(path, stream)) {
    render.log.Write("failed! not in the archive\n");
    return false;
  }
  return LoadMeshData(render, stream.data(), stream.size());
}

bool MeshGeometry::LoadMeshData(const RenderResources& render, const uint8_t* data, size_t size) {
  MeshFile mesh;
  MeshCheck check = ParseMeshFile(data, size, mesh);
  if (!check.ok) {
    render.log.Write("failed! ").Write(check.problem.c_str()).Write("\n");
    return false;
  }
  GLuint list = CompileMesh(mesh, render.gl);
  if (list == 0) return false;
  displayList = list;
  return true;
}
