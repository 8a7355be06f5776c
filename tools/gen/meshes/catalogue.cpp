#include "tools/gen/meshes/catalogue.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "tools/gen/meshes/asteroids.h"
#include "tools/gen/meshes/env_cube.h"
#include "tools/gen/meshes/ships.h"
#include "tools/gen/meshes/sphere.h"
#include "tools/gen/meshes/stations.h"

std::vector<Model> BuildAllModels() {
  std::vector<Model> models;
  models.push_back({"env", "sky cube drawn around the camera (\"env\" without \"geo\")", 1, 0, 0, {}, {}, BuildEnvCube()});
  models.push_back({"sphere", "unit sphere: planets, cloud and atmosphere shells, sky spheres (\"geo\")", 1, 0, 0, {}, {},
                    BuildSphere()});
  for (auto build : {BuildInterceptor, BuildShuttle, BuildFrigate, BuildFreighter}) {
    models.push_back(build());
    CentreOnMass(models.back());
  }
  for (auto build : {BuildBlueStation, BuildPlatform, BuildOutpost})
    for (Model& m : build()) models.push_back(std::move(m));
  for (Model& m : BuildAsteroids()) {
    CentreOnMass(m);
    models.push_back(std::move(m));
  }
  return models;
}

namespace {

void Append(std::string& out, const char* format, ...) {
  char line[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  out += line;
}

// "%g"-like but always plain decimals, as the object-file readers expect.
std::string Num(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", std::fabs(v) < 0.0005 ? 0.0 : v);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string Vec(DVec3 v) { return "V(" + Num(v.x) + " " + Num(v.y) + " " + Num(v.z) + ")"; }

// A flame's first quad is 4 * size across and fades outwards: a little wider
// than the nozzle mouth. Thirty quads `offset` apart trail about nine radii.
double FlameSize(const Engine& e) { return 0.6 * e.radius; }
double FlameStep(const Engine& e) { return 0.3 * e.radius; }

const char kHeader[] =
    "Generated meshes: sizes, purposes and attachment points for the object files.\n"
    "\n"
    "Axes. Ships and stations are designed with x forward, y left and z up (like\n"
    "the camera) and stored turned half a turn about x: a stored point (a, b, c)\n"
    "is body (a, -b, -c). A mesh block draws stored (a, b, c) at\n"
    "a*look + b*right + c*(look x right), so \"look\" is where the nose points and\n"
    "\"right\" is the mesh's right side; its up is right x look. A dynamic mesh\n"
    "takes look and right from its keyframe orientation (the images of x and of\n"
    "-y), so a ship flies upright along the keyframe's x axis with its top\n"
    "towards the keyframe's z axis, as the camera does. A placed mesh written\n"
    "with \"look V(1 0 0)\" and \"right V(0 -1 0)\" stands on the world axes:\n"
    "nose +x, left +y, up +z.\n"
    "\n"
    "Flames. \"orient V(x y z)\" means x*right + y*(look x right) + z*look: a\n"
    "nozzle at body (x, y, z) is \"orient V(-y -z x)\" (listed below). Flames\n"
    "trail backwards along look, which is the way every nozzle points; the\n"
    "listed \"size\" and \"offset\" fit the nozzle.\n"
    "Lights. \"parent NAME V(x y z)\" means x*right + y*(right x look) + z*look:\n"
    "body (x, y, z) is \"V(-y z x)\" (listed below).\n"
    "Neither sees the mesh's \"scale\" or \"orient\": multiply the offsets by the\n"
    "scale, and leave \"orient\" off meshes that carry flames or lights.\n"
    "\n"
    "Texture scale: one repeat of the base texture per \"tile\" units on hull\n"
    "surfaces (box projection on flat parts, whole repeats around round ones).\n"
    "Fly-by: camera distances from the mesh origin that frame it well, from\n"
    "close detail to the whole silhouette. Ships and asteroids have their\n"
    "origin at their centre of mass; stations at the middle of their hub.\n";

void Describe(std::string& out, const Model& m) {
  DVec3 lo{1e30, 1e30, 1e30}, hi{-1e30, -1e30, -1e30};
  double radius = 0;
  for (uint32_t i = 0; i < m.mesh.vertexCount; ++i) {
    DVec3 p{m.mesh.x[i], m.mesh.y[i], m.mesh.z[i]};
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    radius = std::max(radius, Length(p));
  }
  unsigned long long bytes = MeshFileSize(m.mesh.vertexCount, m.mesh.faceCount, m.mesh.texCoordCount);
  Append(out, "\n%s    meshes\\%s.dat\n", m.name.c_str(), m.name.c_str());
  Append(out, "  purpose   %s\n", m.purpose.c_str());
  Append(out, "  counts    V %u  F %u  T %u  (%llu bytes)\n", m.mesh.vertexCount, m.mesh.faceCount,
         m.mesh.texCoordCount, bytes);
  Append(out, "  stored    x %s..%s  y %s..%s  z %s..%s  radius %s\n", Num(lo.x).c_str(), Num(hi.x).c_str(),
         Num(lo.y).c_str(), Num(hi.y).c_str(), Num(lo.z).c_str(), Num(hi.z).c_str(), Num(radius).c_str());
  if (m.flybyFar <= 0) return;
  Append(out, "  size      length %s  width %s  height %s\n", Num(hi.x - lo.x).c_str(), Num(hi.y - lo.y).c_str(),
         Num(hi.z - lo.z).c_str());
  Append(out, "  tile      %s\n", Num(m.tile).c_str());
  Append(out, "  fly-by    %s to %s\n", Num(m.flybyNear).c_str(), Num(m.flybyFar).c_str());
  for (const Engine& e : m.engines)
    Append(out, "  engine    %-22s body %-24s orient %-24s size %s  offset %s\n", e.name.c_str(), Vec(e.at).c_str(),
           Vec(FlameOffset(e.at)).c_str(), Num(FlameSize(e)).c_str(), Num(FlameStep(e)).c_str());
  for (const Light& l : m.lights) {
    Append(out, "  light     %-22s body %-24s parent %s %-24s color %s size %s", l.name.c_str(), Vec(l.at).c_str(),
           m.name.c_str(), Vec(LightOffset(l.at)).c_str(), Vec(l.color).c_str(), Num(l.size).c_str());
    if (l.flashDark > 0)
      Append(out, "  flash %s %s %s)", Num(l.flashTimer).c_str(), Num(l.flashDark).c_str(), Num(l.flashLit).c_str());
    out += "\n";
  }
}

}  // namespace

std::string DescribeModels(const std::vector<Model>& models) {
  std::string out = kHeader;
  for (const Model& m : models) Describe(out, m);
  return out;
}
