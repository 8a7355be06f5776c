// The camera never enters a planet, a shell, a station, a rock or a ship:
// every scene is flown with the director's own camera and the ships' own
// track evaluation, and the camera is checked against every sphere's radius
// and every mesh's surface at small steps of scene time. Ships keep out of the
// worlds' planets and meshes as well.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "content/shipped_content.h"
#include "objects/mesh_object.h"
#include "objects/sphere.h"
#include "render/gl.h"

namespace {

constexpr float kStep = 0.1f;          // seconds of scene time between checks
constexpr float kSphereMargin = 40;    // beyond a planet's or shell's radius
constexpr float kMeshMargin = 8;       // from a mesh's surface: the near plane and a little air
constexpr float kShipShare = 0.6f;     // of a ship's size, from its middle to the surfaces it passes
constexpr float kSubStep = 4;          // world units between checks along the camera's way

// A compiled mesh's surface, read back through GL feedback (the list drawn
// through an orthographic projection wide enough for every mesh) and
// recorded in a grid of cells in the mesh's own units.
class Surface {
 public:
  explicit Surface(GLuint list) {
    std::vector<Vec3> corners = Triangles(list);
    EXPECT_FALSE(corners.empty()) << "display list " << list << " gave no triangles";
    low_ = high_ = corners.empty() ? Vec3{0, 0, 0} : corners.front();
    for (Vec3 c : corners) {
      low_ = {std::fmin(low_.x, c.x), std::fmin(low_.y, c.y), std::fmin(low_.z, c.z)};
      high_ = {std::fmax(high_.x, c.x), std::fmax(high_.y, c.y), std::fmax(high_.z, c.z)};
    }
    cell_ = std::fmax(Length(Sub(high_, low_)) / 400, 0.05f);
    for (int i = 0; i < 3; ++i) size_[i] = int((At(high_, i) - At(low_, i)) / cell_) + 1;
    cells_.assign(size_t(size_[0]) * size_t(size_[1]) * size_t(size_[2]), false);
    for (size_t i = 0; i + 2 < corners.size(); i += 3) Mark(corners[i], corners[i + 1], corners[i + 2]);
  }

  // Half the diagonal of the mesh's bounds, in mesh units.
  float Radius() const { return Length(Sub(high_, low_)) / 2; }

  // Whether any surface lies within reach of p (both in mesh units).
  bool Near(Vec3 p, float reach) const {
    const float r = reach + cell_;
    if (p.x < low_.x - r || p.y < low_.y - r || p.z < low_.z - r || p.x > high_.x + r || p.y > high_.y + r ||
        p.z > high_.z + r)
      return false;
    int from[3], to[3];
    for (int i = 0; i < 3; ++i) {
      from[i] = std::max(0, int((At(p, i) - r - At(low_, i)) / cell_));
      to[i] = std::min(size_[i] - 1, int((At(p, i) + r - At(low_, i)) / cell_));
    }
    for (int x = from[0]; x <= to[0]; ++x)
      for (int y = from[1]; y <= to[1]; ++y)
        for (int z = from[2]; z <= to[2]; ++z)
          if (cells_[Index(x, y, z)]) return true;
    return false;
  }

 private:
  static float At(Vec3 v, int i) { return i == 0 ? v.x : i == 1 ? v.y : v.z; }
  size_t Index(int x, int y, int z) const {
    return (size_t(z) * size_t(size_[1]) + size_t(y)) * size_t(size_[0]) + size_t(x);
  }

  static std::vector<Vec3> Triangles(GLuint list) {
    constexpr float Reach = 4000;
    std::vector<GLfloat> buffer(4 * 1024 * 1024);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-Reach, Reach, -Reach, Reach, -Reach, Reach);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glViewport(0, 0, 2, 2);
    glDisable(GL_CULL_FACE);
    glCallList(list);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint count = glRenderMode(GL_RENDER);
    std::vector<Vec3> corners;
    // Window x and y run 0..2 over -Reach..Reach; depth 0..1 over Reach..-Reach.
    for (GLint i = 0; i < count;) {
      GLint token = GLint(buffer[size_t(i++)]);
      if (token == GL_POLYGON_TOKEN) {
        GLint n = GLint(buffer[size_t(i++)]);
        for (GLint k = 0; k < n; ++k, i += 3) {
          const GLfloat* q = &buffer[size_t(i)];
          if (k < 3) corners.push_back({(q[0] - 1) * Reach, (q[1] - 1) * Reach, (0.5f - q[2]) * 2 * Reach});
        }
      } else {
        i += token == GL_PASS_THROUGH_TOKEN ? 1 : token == GL_POINT_TOKEN ? 3 : 6;
      }
    }
    return corners;
  }

  // Marks every cell a triangle passes through, sampling it at half a cell.
  void Mark(Vec3 a, Vec3 b, Vec3 c) {
    const float longest = std::fmax(Length(Sub(b, a)), Length(Sub(c, a)));
    const int steps = std::max(1, int(2 * longest / cell_) + 1);
    for (int i = 0; i <= steps; ++i)
      for (int j = 0; i + j <= steps; ++j) {
        Vec3 p = Add(a, Add(Scale(Sub(b, a), float(i) / steps), Scale(Sub(c, a), float(j) / steps)));
        int x = int((p.x - low_.x) / cell_), y = int((p.y - low_.y) / cell_), z = int((p.z - low_.z) / cell_);
        cells_[Index(std::min(x, size_[0] - 1), std::min(y, size_[1] - 1), std::min(z, size_[2] - 1))] = true;
      }
  }

  Vec3 low_, high_;
  float cell_ = 1;
  int size_[3] = {1, 1, 1};
  std::vector<bool> cells_;
};

const Surface& SurfaceOf(const MeshObject& mesh) {
  static std::map<GLuint, std::unique_ptr<Surface>> known;
  auto& surface = known[mesh.geometry.displayList];
  if (!surface) surface = std::make_unique<Surface>(mesh.geometry.displayList);
  return *surface;
}

// The point in the mesh's own coordinates: the drawing frame (look, right,
// look x right), then "orient" and "scale", undone.
Vec3 IntoMesh(const MeshObject& mesh, Vec3 p) {
  Vec3 d = Sub(p, mesh.position);
  Vec3 third = Cross(mesh.look, mesh.right);
  Vec3 local{Dot(d, mesh.look), Dot(d, mesh.right), Dot(d, third)};
  // Turning back by the orient angle about its axis (Rodrigues).
  Vec3 k = Normalize(mesh.orientAxis);
  float a = -mesh.orientAngle * 3.14159265f / 180;
  Vec3 turned = Add(Add(Scale(local, std::cos(a)), Scale(Cross(k, local), std::sin(a))),
                    Scale(k, Dot(k, local) * (1 - std::cos(a))));
  return Scale(turned, 1 / mesh.scale);
}

struct Solid {
  const Sphere* sphere = nullptr;
  const MeshObject* mesh = nullptr;
  std::string name;
};

std::vector<Solid> Solids(const ObjectList& objects, const char* world) {
  std::vector<Solid> solids;
  int index = 0;
  for (const auto& object : objects) {
    std::string name = std::string(world) + " object " + std::to_string(index++) + " " + object->name;
    if (auto* sphere = dynamic_cast<const Sphere*>(object.get()); sphere && !sphere->env) {
      solids.push_back({sphere, nullptr, name});
    } else if (auto* mesh = dynamic_cast<const MeshObject*>(object.get())) {
      solids.push_back({nullptr, mesh, name});
    }
  }
  return solids;
}

// Whether p comes within reach (world units) of the solid: a sphere's
// radius or a mesh's surface.
bool Touches(const Solid& solid, Vec3 p, float reach) {
  if (solid.sphere) return Length(Sub(p, solid.sphere->position)) < solid.sphere->radius + reach;
  return SurfaceOf(*solid.mesh).Near(IntoMesh(*solid.mesh, p), reach / solid.mesh->scale);
}

TEST(Clearance, TheCameraAndTheShipsKeepOutOfEverything) {
  content::Flight& flight = content::LoadedFlight();
  for (const std::string& path : content::SceneScripts()) {
    ASSERT_TRUE(flight.LoadScript(path)) << path;
    const World* world = flight.director.currentWorld;
    const std::vector<Solid> fixed = Solids(world->objects, world->name);
    const std::vector<Solid> ships = Solids(flight.dynamicObjects, "dynamic");
    const float end = flight.director.track.back().time;
    int reported = 0;
    auto report = [&](float t, const std::string& what) {
      char at[32];
      std::snprintf(at, sizeof at, " at %.1f s: ", t);
      if (++reported <= 3) ADD_FAILURE() << path << at << what;
    };
    Vec3 previous{0, 0, 0};
    for (int tick = 0; tick * kStep < end && reported < 3; ++tick) {
      const float t = float(tick) * kStep;
      flight.director.view.sceneClock = t;
      flight.director.UpdateCamera();
      for (const auto& object : flight.dynamicObjects) object->Update(0);
      flight.director.ApplyCameraTargets();
      const Vec3 eye = flight.director.view.position;
      // The way from the previous check to this one, in short steps.
      const int steps = tick == 0 ? 1 : std::max(1, int(Length(Sub(eye, previous)) / kSubStep) + 1);
      for (int i = 1; i <= steps; ++i) {
        const Vec3 p = tick == 0 ? eye : Add(previous, Scale(Sub(eye, previous), float(i) / steps));
        for (const Solid& solid : fixed)
          if (Touches(solid, p, solid.sphere ? kSphereMargin : kMeshMargin)) report(t, "the camera touches " + solid.name);
        for (const Solid& ship : ships)
          if (ship.mesh->active && Touches(ship, p, kMeshMargin)) report(t, "the camera touches " + ship.name);
      }
      previous = eye;
      for (const Solid& ship : ships) {
        if (!ship.mesh->active) continue;
        const float reach = kShipShare * SurfaceOf(*ship.mesh).Radius() * ship.mesh->scale;
        for (const Solid& solid : fixed)
          if (Touches(solid, ship.mesh->position, reach)) report(t, ship.name + " touches " + solid.name);
      }
    }
  }
}

}  // namespace
