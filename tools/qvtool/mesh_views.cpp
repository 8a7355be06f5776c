#include "tools/qvtool/mesh_views.h"

#include <algorithm>
#include <cmath>

#include "platform/headless/egl_context.h"
#include "render/gl.h"
#include "render/mesh_geometry.h"

namespace {

constexpr int kSupersample = 2;  // drawn at twice the size and averaged down

// Low and high corners of every position, in the drawn frame (x, -y, -z).
struct Bounds {
  float low[3] = {1e30f, 1e30f, 1e30f}, high[3] = {-1e30f, -1e30f, -1e30f};
  void Add(const MeshFile& mesh) {
    for (uint32_t i = 0; i < mesh.vertexCount; ++i) {
      const float p[3] = {mesh.x[i], -mesh.y[i], -mesh.z[i]};
      for (int a = 0; a < 3; ++a) low[a] = std::min(low[a], p[a]), high[a] = std::max(high[a], p[a]);
    }
  }
  bool Empty() const { return low[0] > high[0]; }
  float Centre(int a) const { return Empty() ? 0 : (low[a] + high[a]) / 2; }
  float Radius() const {
    if (Empty()) return 1;
    float d[3] = {high[0] - low[0], high[1] - low[1], high[2] - low[2]};
    return std::max(0.5f * std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), 1e-3f);
  }
};

// A light grid of one cell per texture repeat: lines and a darker half.
GLuint UvGridTexture() {
  const int size = 64;
  std::vector<uint8_t> texels(size * size * 3);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      uint8_t v = (x < 2 || y < 2) ? 90 : (x < size / 2) != (y < size / 2) ? 200 : 255;
      for (int c = 0; c < 3; ++c) texels[(y * size + x) * 3 + c] = v;
    }
  GLuint texture;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, size, size, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  return texture;
}

void SetUpState(bool uvGrid) {
  glClearColor(0.07f, 0.08f, 0.11f, 1);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);  // as the flight draws meshes: wrong windings show as holes
  glShadeModel(GL_SMOOTH);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnable(GL_NORMALIZE);
  const GLfloat ambient[] = {0.2f, 0.21f, 0.24f, 1}, diffuse[] = {0.8f, 0.78f, 0.74f, 1};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
  glLightfv(GL_LIGHT0, GL_SPECULAR, diffuse);
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
  const GLfloat specular[] = {0.25f, 0.25f, 0.25f, 1};
  glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
  glMaterialf(GL_FRONT, GL_SHININESS, 24);
  if (uvGrid) {
    UvGridTexture();
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  }
}

struct View {
  float eye[3], up[3];  // direction towards the eye, and the picture's up
};

// Front (from the nose), side (from the right, nose to the right), top (nose
// to the right) and three-quarter (front right, from above).
const View kViews[4] = {{{1, 0, 0}, {0, 0, 1}},
                        {{0, -1, 0}, {0, 0, 1}},
                        {{0, 0, 1}, {0, 1, 0}},
                        {{0.62f, -0.66f, 0.42f}, {0, 0, 1}}};

void Normalize3(float (&v)[3]) {
  float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  for (float& c : v) c /= length;
}

void Cross3(const float (&a)[3], const float (&b)[3], float (&out)[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1], out[1] = a[2] * b[0] - a[0] * b[2], out[2] = a[0] * b[1] - a[1] * b[0];
}

// Half the width and height of the bounding box seen from the view.
void ViewExtent(const View& view, const Bounds& bounds, float& halfWidth, float& halfHeight) {
  float back[3] = {view.eye[0], view.eye[1], view.eye[2]}, right[3], up[3];
  Normalize3(back);
  Cross3(view.up, back, right);
  Normalize3(right);
  Cross3(back, right, up);
  halfWidth = halfHeight = 0;
  for (int corner = 0; corner < 8; ++corner) {
    float p[3];
    for (int a = 0; a < 3; ++a) p[a] = ((corner >> a) & 1 ? bounds.high[a] : bounds.low[a]) - bounds.Centre(a);
    halfWidth = std::max(halfWidth, std::fabs(p[0] * right[0] + p[1] * right[1] + p[2] * right[2]));
    halfHeight = std::max(halfHeight, std::fabs(p[0] * up[0] + p[1] * up[1] + p[2] * up[2]));
  }
}

void DrawView(const View& view, const Bounds& bounds, const std::vector<GLuint>& lists, int x, int y, int w, int h) {
  glViewport(x, y, w, h);
  float halfWidth, halfHeight, aspect = float(w) / float(h), r = bounds.Radius();
  ViewExtent(view, bounds, halfWidth, halfHeight);
  float half = std::max({halfHeight, halfWidth / aspect, r * 1e-3f}) * 1.06f;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-half * aspect, half * aspect, -half, half, 0.1 * r, 6 * r);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  float length = std::sqrt(view.eye[0] * view.eye[0] + view.eye[1] * view.eye[1] + view.eye[2] * view.eye[2]);
  float cx = bounds.Centre(0), cy = bounds.Centre(1), cz = bounds.Centre(2);
  gluLookAt(cx + 3 * r * view.eye[0] / length, cy + 3 * r * view.eye[1] / length, cz + 3 * r * view.eye[2] / length,
            cx, cy, cz, view.up[0], view.up[1], view.up[2]);
  const GLfloat fromAbove[] = {0.3f, 0.2f, 1, 0};
  glLightfv(GL_LIGHT0, GL_POSITION, fromAbove);
  // The mesh drawing frame: columns look, right, look x right.
  const GLfloat frame[16] = {1, 0, 0, 0, 0, -1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
  glMultMatrixf(frame);
  for (size_t i = 0; i < lists.size(); ++i) {
    if (i == 0)
      glColor3f(0.78f, 0.78f, 0.8f);
    else
      glColor3f(0.35f, 0.48f, 0.85f);
    glCallList(lists[i]);
  }
}

// The supersampled frame, averaged down and turned top row first.
std::vector<uint8_t> ReadPicture(int width, int height) {
  int bigW = width * kSupersample, bigH = height * kSupersample;
  std::vector<uint8_t> big(size_t(bigW) * bigH * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, bigW, bigH, GL_RGBA, GL_UNSIGNED_BYTE, big.data());
  std::vector<uint8_t> picture(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c) {
        int sum = 0;
        for (int sy = 0; sy < kSupersample; ++sy)
          for (int sx = 0; sx < kSupersample; ++sx)
            sum += big[((size_t(y) * kSupersample + sy) * bigW + size_t(x) * kSupersample + sx) * 4 + c];
        picture[((size_t(height) - 1 - y) * width + x) * 3 + c] = uint8_t(sum / (kSupersample * kSupersample));
      }
  return picture;
}

}  // namespace

std::vector<uint8_t> RenderMeshViews(const std::vector<MeshFile>& meshes, int width, int height, bool uvGrid) {
  Bounds bounds;
  for (const MeshFile& mesh : meshes) bounds.Add(mesh);
  EglContext context;
  int w = width * kSupersample, h = height * kSupersample;
  if (!context.Create(w, h, 0)) return {};
  SetUpState(uvGrid);
  std::vector<GLuint> lists;
  const GlExtensions plainTexturing;  // one texture unit: the views need no second
  for (const MeshFile& mesh : meshes) lists.push_back(CompileMesh(mesh, plainTexturing));
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  for (int v = 0; v < 4; ++v) DrawView(kViews[v], bounds, lists, (v % 2) * w / 2, (1 - v / 2) * h / 2, w / 2, h / 2);
  glFinish();
  return ReadPicture(width, height);
}
