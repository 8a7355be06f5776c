#include "tools/gen/meshes/model.h"

DVec3 CentreOfMass(const MeshFile& mesh) {
  DVec3 sum;
  double volume = 0;
  for (uint32_t f = 0; f < mesh.faceCount; ++f) {
    DVec3 p[3];
    for (int k = 0; k < 3; ++k) {
      uint32_t v = mesh.corner[k][f];
      p[k] = {mesh.x[v], mesh.y[v], mesh.z[v]};
    }
    double v = Dot(p[0], Cross(p[1], p[2]));  // six times the tetrahedron with the origin
    volume += v;
    sum = Add(sum, Scale(Add(p[0], Add(p[1], p[2])), v / 4));
  }
  return volume != 0 ? Scale(sum, 1 / volume) : DVec3{};
}

void CentreOnMass(Model& model) {
  DVec3 centre = CentreOfMass(model.mesh);
  for (uint32_t i = 0; i < model.mesh.vertexCount; ++i) {
    model.mesh.x[i] = float(model.mesh.x[i] - centre.x);
    model.mesh.y[i] = float(model.mesh.y[i] - centre.y);
    model.mesh.z[i] = float(model.mesh.z[i] - centre.z);
  }
  DVec3 body = BodyToFile(centre);  // the turn is its own inverse
  for (Engine& e : model.engines) e.at = Sub(e.at, body);
  for (Light& l : model.lights) l.at = Sub(l.at, body);
}
