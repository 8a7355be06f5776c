#include "tools/gen/meshes/stations.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "tools/common/noise.h"
#include "tools/gen/meshes/primitives.h"

namespace {

const DVec3 kRed{1, 0.2, 0.15}, kGreen{0.25, 1, 0.35}, kWhite{1, 1, 1}, kBlue{0.35, 0.6, 1}, kAmber{1, 0.7, 0.25};

Light Steady(const std::string& name, DVec3 at, DVec3 color, double size) { return {name, at, color, size, 0, 0, 0}; }
Light Blink(const std::string& name, DVec3 at, DVec3 color, double size, double timer, double dark, double lit) {
  return {name, at, color, size, timer, dark, lit};
}

DVec3 Polar(double radius, double angle, double z) { return {radius * std::cos(angle), radius * std::sin(angle), z}; }
// A frame at radius/angle/height whose local x points outwards and z up.
Frame Radial(double radius, double angle, double z) { return Compose(At(Polar(radius, angle, z)), RotZ(angle)); }
// Flips z (the lower half of a symmetric hub).
Frame MirrorZ() { return {{}, {1, 0, 0}, {0, 1, 0}, {0, 0, -1}}; }

// A closed rounded-rectangle profile of half width a (radial) and half
// height h with corner radius c, centred at radius r, counter-clockwise.
std::vector<ProfilePoint> RoundedProfile(double r, double a, double h, double c, int steps) {
  std::vector<ProfilePoint> profile;
  const double centre[4][2] = {{r + a - c, h - c}, {r - a + c, h - c}, {r - a + c, -h + c}, {r + a - c, -h + c}};
  for (int q = 0; q < 4; ++q)
    for (int i = 0; i <= steps; ++i) {
      double angle = kPi / 2 * (q + double(i) / steps);
      profile.push_back({centre[q][0] + c * std::cos(angle), centre[q][1] + c * std::sin(angle)});
    }
  return profile;
}

// A docking collar along local z: a drum with a lip at its mouth (z = length).
Part DockingCollar(double radius, double length, double tile) {
  Part part = Lathe({{0, 0},
                     {radius, 0},
                     {radius, length * 0.8},
                     {radius * 1.25, length * 0.85},
                     {radius * 1.25, length},
                     {radius * 0.8, length},
                     {radius * 0.8, length * 0.9},
                     {0, length * 0.9}},
                    24, tile);
  part.creaseDegrees = 35;
  return part;
}

// Solar panels either side of a truss along local z from z0 to z1: `count`
// panels per side, each reaching `out` sideways (local x).
void AddPanelRow(MeshBuilder& panels, const Frame& along, double z0, double z1, int count, double out,
                 double gap) {
  double pitch = (z1 - z0) / count;
  Part panel = Panel(out, pitch - gap, 2.0);
  for (int i = 0; i < count; ++i) {
    double z = z0 + pitch * (i + 0.5);
    for (int side = -1; side <= 1; side += 2) panels.Add(panel, Compose(along, At(side * (gap + out / 2), 0, z)));
  }
}

// The faces of mesh that `take` marks, with only the vertices and texture
// coordinates they use.
MeshFile FacesOf(const MeshFile& mesh, const std::vector<bool>& take) {
  MeshFile part;
  std::vector<uint32_t> vertexAt(mesh.vertexCount, UINT32_MAX), texAt(mesh.texCoordCount, UINT32_MAX);
  for (uint32_t f = 0; f < mesh.faceCount; ++f) {
    if (!take[f]) continue;
    for (int k = 0; k < 3; ++k) {
      uint32_t v = mesh.corner[k][f], t = mesh.texCorner[k][f];
      if (vertexAt[v] == UINT32_MAX) {
        vertexAt[v] = uint32_t(part.x.size());
        part.x.push_back(mesh.x[v]), part.y.push_back(mesh.y[v]), part.z.push_back(mesh.z[v]);
      }
      if (texAt[t] == UINT32_MAX) {
        texAt[t] = uint32_t(part.s.size());
        part.s.push_back(mesh.s[t]), part.t.push_back(mesh.t[t]);
      }
      part.corner[k].push_back(vertexAt[v]);
      part.texCorner[k].push_back(texAt[t]);
    }
    part.normals.insert(part.normals.end(), &mesh.normals[size_t(f) * 9], &mesh.normals[size_t(f) * 9 + 9]);
  }
  part.vertexCount = uint32_t(part.x.size());
  part.texCoordCount = uint32_t(part.s.size());
  part.faceCount = uint32_t(part.corner[0].size());
  return part;
}

// Moves the hull's decks, the faces that look up or down the station's axis
// (within about 35 degrees), into "<name>_decks", drawn at the same place
// without the window light map of the walls: its lit rows would lie across a
// deck top as dashes.
Model SplitDecks(Model& hull) {
  const MeshFile& mesh = hull.mesh;
  std::vector<bool> deck(mesh.faceCount);
  for (uint32_t f = 0; f < mesh.faceCount; ++f) {
    DVec3 p[3];
    for (int k = 0; k < 3; ++k) {
      uint32_t v = mesh.corner[k][f];
      p[k] = {mesh.x[v], mesh.y[v], mesh.z[v]};
    }
    DVec3 n = Cross(Sub(p[1], p[0]), Sub(p[2], p[0]));
    double length = Length(n);
    deck[f] = length > 0 && std::fabs(n.z) > 0.82 * length;  // stored z is the axis, turned
  }
  Model decks{hull.name + "_decks",
              "decks of \"" + hull.name + "\": draw with the same position, look and right, without a light map",
              hull.tile, 0, 0, {}, {}, FacesOf(mesh, deck)};
  deck.flip();
  hull.mesh = FacesOf(mesh, deck);
  return decks;
}

Model Panels(const std::string& station, MeshBuilder& panels) {
  Model m{station + "_panels",
          "solar panels of \"" + station + "\": draw with the same position, look and right, with a panel texture",
          0, 0, 0, {}, {}, {}};
  m.mesh = panels.Take();
  return m;
}

}  // namespace

std::vector<Model> BuildBlueStation() {
  const double tile = 40, ringRadius = 800, ringHalfWidth = 62, ringHalfHeight = 50;
  const int spokes = 6;
  MeshBuilder hull(kBodyToFile), panels(kBodyToFile);
  // Hub: a faceted disc with a belt, domes and towers above and below.
  std::vector<ProfilePoint> drum = {{0, -125}, {150, -125}, {215, -90}, {255, -38}, {255, -16}, {270, -10},
                                    {270, 10},  {255, 16},   {255, 38},  {215, 90},  {150, 125}, {0, 125}};
  Part hub = Lathe(drum, 64, tile);
  hub.creaseDegrees = 25;
  hull.Add(hub);
  Part tower = Lathe({{0, 110}, {110, 110}, {110, 150}, {88, 165}, {88, 230}, {104, 244}, {104, 268}, {70, 286},
                      {52, 286}, {52, 350}, {34, 366}, {0, 366}},
                     48, tile);
  tower.creaseDegrees = 25;
  hull.Add(tower);
  hull.Add(tower, MirrorZ());
  for (double z : {-198.0, 198.0}) hull.Add(Torus(96, 9, 48, 10, tile), At(0, 0, z));
  // Window rows on the hub: blocks round the belt.
  for (int k = 0; k < 24; ++k) hull.Add(Box({26, 40, 34}, tile, 4), Radial(262, 2 * kPi * (k + 0.5) / 24, 0));
  // Antenna spire on top with cross-trees and dishes; docking port below.
  hull.Add(Lathe({{0, 360}, {16, 360}, {11, 560}, {5, 700}, {0, 712}}, 12, tile));
  for (double z : {470.0, 580.0}) {
    hull.Add(Bar({-80, 0, z}, {80, 0, z}, 6, tile), {});
    hull.Add(Bar({0, -50, z + 24}, {0, 50, z + 24}, 5, tile), {});
  }
  hull.Add(Dish(55, 20, 24, tile), Compose(At(60, 0, 320), RotY(Radians(-70))));
  hull.Add(Dish(38, 14, 24, tile), Compose(At(-40, 40, 330), RotZ(Radians(135)), RotY(Radians(-60))));
  hull.Add(DockingCollar(40, 46, tile), Compose(At(0, 0, -360), RotX(kPi)));

  // The ring: a rounded box section with a raised window band round its
  // outer face, a service pipe round its inner top edge, and habitat blocks.
  std::vector<ProfilePoint> ring = RoundedProfile(ringRadius, ringHalfWidth, ringHalfHeight, 18, 3);
  double outer = ringRadius + ringHalfWidth;
  for (ProfilePoint p : {ProfilePoint{outer, -16}, {outer + 8, -12}, {outer + 8, 12}, {outer, 16}}) ring.push_back(p);
  Part ringPart = Lathe(ring, 160, tile, true);
  ringPart.creaseDegrees = 35;
  hull.Add(ringPart);
  hull.Add(Torus(ringRadius - ringHalfWidth + 10, 7, 96, 6, tile), At(0, 0, ringHalfHeight + 2));
  hull.Add(Torus(ringRadius - ringHalfWidth + 10, 7, 96, 6, tile), At(0, 0, -ringHalfHeight - 2));
  for (int k = 0; k < 2 * spokes; ++k) {
    double a = 2 * kPi * (k + 0.5) / (2 * spokes);
    hull.Add(Box({150, 118, 132}, tile, 12), Radial(ringRadius, a, 0));
    hull.Add(Box({100, 70, 20}, tile, 6), Radial(ringRadius + 10, a, 72));
  }

  // Spokes: a tube with collars and two service pipes, braced where it
  // meets the hub and the ring.
  for (int k = 0; k < spokes; ++k) {
    double a = 2 * kPi * k / spokes;
    double r0 = 250, r1 = ringRadius - ringHalfWidth + 5;
    Frame out = AlongAxis(Polar(r0, a, 0), Polar(1, a, 0));
    hull.Add(Cylinder(26, r1 - r0, 24, tile), out);
    for (double f : {0.25, 0.5, 0.75}) hull.Add(Cylinder(36, 22, 24, tile), Compose(out, At(0, 0, (r1 - r0) * f - 11)));
    for (int side = -1; side <= 1; side += 2)
      hull.Add(Cylinder(7, r1 - r0, 10, tile), Compose(out, At(0, side * 44.0, 0)));
    hull.Add(Box({110, 120, 120}, tile, 10), Radial(r1 - 30, a, 0));
    hull.Add(Box({60, 110, 80}, tile, 8), Radial(r0 + 20, a, 0));
  }

  // Docking arms in every other gap between the spokes, each with a collar facing outwards.
  std::vector<DVec3> ports;
  for (int k = 0; k < spokes; k += 2) {
    double a = 2 * kPi * (k + 0.5) / spokes;
    hull.Add(Box({250, 34, 30}, tile, 5), Radial(370, a, -70));
    hull.Add(Box({50, 64, 52}, tile, 6), Radial(500, a, -70));
    hull.Add(DockingCollar(26, 34, tile), AlongAxis(Polar(522, a, -70), Polar(1, a, 0)));
    ports.push_back(Polar(556, a, -70));
  }

  // Solar arrays on a truss through the lower tower.
  const double arrayZ = -270, arrayReach = 640;
  for (int side = -1; side <= 1; side += 2) {
    Frame along = AlongAxis({0, side * 100.0, arrayZ}, {0, double(side), 0}, {1, 0, 0});
    hull.Add(Truss(arrayReach - 100, 22, 14, 3.5, tile), along);
    AddPanelRow(panels, along, 40, arrayReach - 100, 6, 150, 16);
  }
  // A second pair on the upper tower, between the spokes.
  const double upperZ = 205, upperReach = 520, upperAngle = kPi / 6;
  for (int side = 0; side < 2; ++side) {
    double a = upperAngle + kPi * side;
    Frame along = AlongAxis(Polar(88, a, upperZ), Polar(1, a, 0), {0, 0, 1});
    hull.Add(Truss(upperReach - 88, 20, 11, 3.5, tile), along);
    AddPanelRow(panels, Compose(along, RotZ(kPi / 2)), 40, upperReach - 88, 4, 120, 14);
  }
  // Masts on the habitat blocks.
  for (int k = 0; k < 2 * spokes; k += 2)
    hull.Add(Bar(Polar(ringRadius + 10, 2 * kPi * (k + 0.5) / (2 * spokes), 80),
                 Polar(ringRadius + 10, 2 * kPi * (k + 0.5) / (2 * spokes), 150), 4, tile),
             {});

  Model m{"bluestation", "the great blue station of the blue system: ring, spokes, hub, docking arms", tile, 1600,
          4500, {}, {}, {}};
  m.lights.push_back(Blink("spire top", {0, 0, 714}, kRed, 14, 0, 1.6, 0.25));
  for (double z : {470.0, 580.0})
    for (int side = -1; side <= 1; side += 2)
      m.lights.push_back(Blink("cross-tree " + std::to_string(int(z)) + (side < 0 ? " aft" : " fore"),
                               {side * 82.0, 0, z}, kRed, 8, 0.8, 1.6, 0.25));
  for (size_t k = 0; k < ports.size(); ++k) {
    double a = 2 * kPi * (2 * k + 0.5) / spokes;
    DVec3 side = Polar(34, a + kPi / 2, 0);
    m.lights.push_back(Steady("port " + std::to_string(k + 1) + " left", Add(ports[k], side), kGreen, 8));
    m.lights.push_back(Steady("port " + std::to_string(k + 1) + " right", Sub(ports[k], side), kRed, 8));
  }
  for (int k = 0; k < 48; ++k)
    m.lights.push_back(Blink("ring chain " + std::to_string(k + 1), Polar(outer + 9, 2 * kPi * k / 48, 0), kBlue, 11,
                             0.05 * k, 2.2, 0.16));
  for (int k = 0; k < 2 * spokes; k += 2)
    m.lights.push_back(Blink("ring mast " + std::to_string(k / 2 + 1),
                             Polar(ringRadius + 10, 2 * kPi * (k + 0.5) / (2 * spokes), 152), kWhite, 9, 0.3 * k,
                             2.4, 0.2));
  for (int side = -1; side <= 1; side += 2)
    m.lights.push_back(Blink(side < 0 ? "right array tip" : "left array tip", {11, side * arrayReach, arrayZ + 11},
                             kWhite, 11, 0, 1.2, 0.15));
  for (int side = 0; side < 2; ++side)
    m.lights.push_back(Blink("upper array tip " + std::to_string(side + 1),
                             Add(Polar(upperReach, upperAngle + kPi * side, upperZ), {0, 0, 10}), kWhite, 10, 0.6, 1.2,
                             0.15));
  m.mesh = hull.Take();
  Model decks = SplitDecks(m);
  return {m, decks, Panels("bluestation", panels)};
}

std::vector<Model> BuildPlatform() {
  const double tile = 32;
  MeshBuilder hull(kBodyToFile), panels(kBodyToFile);
  // Deck: plates on a grid inside a square frame of girders, a few left open.
  const double half = 360, girder = 36, deckTop = 8;
  for (int k = 0; k < 4; ++k) {
    Frame turn = RotZ(kPi / 2 * k);
    hull.Add(Truss(2 * half, girder, 16, 5, tile), Compose(turn, AlongAxis({half, -half, 0}, {0, 1, 0})));
    hull.Add(Box({girder * 1.6, girder * 1.6, girder * 1.8}, tile, 4), Compose(turn, At(half, half, 0)));
  }
  const int cells = 4;
  const double cell = 2 * (half - girder / 2) / cells;
  for (int i = 0; i < cells; ++i)
    for (int j = 0; j < cells; ++j) {
      if ((i == 0 && j == 2) || (i == 3 && j == 1)) continue;  // open bays show the structure
      DVec3 centre{-half + girder / 2 + cell * (i + 0.5), -half + girder / 2 + cell * (j + 0.5), deckTop - 7};
      hull.Add(Box({cell - 6, cell - 6, 14}, tile, 2), At(centre));
    }
  for (int k = 0; k < 2; ++k)
    hull.Add(Truss(2 * half - 40, 24, 14, 4, tile), Compose(RotZ(kPi / 2 * k), AlongAxis({-half + 20, 0, -40}, {1, 0, 0})));
  // Central hub and control tower.
  Part hub = Lathe({{0, -110}, {60, -110}, {100, -70}, {140, -30}, {140, 25}, {110, 50}, {0, 50}}, 40, tile);
  hub.creaseDegrees = 30;
  hull.Add(hub);
  Part tower = Lathe({{0, 40}, {44, 40}, {44, 190}, {58, 200}, {80, 226}, {80, 248}, {60, 262}, {0, 262}}, 32, tile);
  tower.creaseDegrees = 30;
  hull.Add(tower);
  hull.Add(Bar({0, 0, 260}, {0, 0, 370}, 6, tile), {});
  hull.Add(Bar({-30, 0, 330}, {30, 0, 330}, 4, tile), {});
  hull.Add(Dish(32, 11, 20, tile), Compose(At(-62, 0, 244), RotY(Radians(-120))));
  // Tank farm on the +y side: spheres on plinths, piped to the hub.
  for (int i = 0; i < 6; ++i) {
    DVec3 at{-250 + i * 100.0, half - 120, deckTop + 60};
    if (i == 2 || i == 3) at.y -= 40;
    hull.Add(Sphere(44, 12, 24, tile), At(at));
    hull.Add(Cylinder(24, 30, 16, tile), At(at.x, at.y, deckTop));
    hull.Add(Bar(Add(at, {0, 0, 40}), {at.x * 0.3, 90, 46}, 5, tile), {});
  }
  // Pressure tanks lying on the -y, -x quarter.
  for (int i = 0; i < 3; ++i) {
    Frame along = AlongAxis({-half + 60, -110 - i * 56.0, deckTop + 26}, {1, 0, 0});
    hull.Add(Lathe({{0, 0}, {16, 4}, {24, 16}, {24, 224}, {16, 236}, {0, 240}}, 20, tile), along);
    for (double x : {40.0, 200.0}) hull.Add(Box({12, 50, 26}, tile, 2), At(-half + 60 + x, -110 - i * 56.0, deckTop + 13));
  }
  // Landing pads on the -y, +x quarter.
  std::vector<DVec3> pads = {{130, -150, deckTop + 18}, {130, -half + 80, deckTop + 18}};
  for (DVec3 p : pads) {
    hull.Add(Lathe({{0, -8}, {66, -8}, {72, 0}, {72, 4}, {0, 4}}, 32, tile), At(p));
    hull.Add(Cylinder(16, 18, 12, tile), At(p.x, p.y, deckTop));
  }
  // Radiator bank hung off the -x edge on two booms: louvres tilted up
  // towards the light above, which upright plates would never catch.
  for (int i = 0; i < 9; ++i)
    panels.Add(Panel(160, 130, 4), Compose(At(-half - 130, -136 + i * 34.0, 34), RotX(Radians(60))));
  for (double x : {-half - 60.0, -half - 200.0}) hull.Add(Bar({x, -150, 66}, {x, 150, 66}, 8, tile), {});
  for (int side = -1; side <= 1; side += 2)
    hull.Add(Bar({-half, side * 120.0, 40}, {-half - 200, side * 120.0, 72}, 12, tile), {});
  // Workshops on the deck by the dock.
  for (int i = 0; i < 5; ++i) {
    double u = HashUnit(501, uint32_t(i)), v = HashUnit(502, uint32_t(i));
    DVec3 size{50 + 40 * u, 40 + 30 * v, 30 + 50 * HashUnit(503, uint32_t(i))};
    hull.Add(Box(size, tile, 4), At(170 + (i % 3) * 80.0, 70 + (i / 3) * 100.0 + 20 * v, deckTop + size.z / 2));
  }
  // Hanging modules under the deck.
  for (int i = 0; i < 4; ++i) {
    double y = -240 + i * 160.0;
    hull.Add(Lathe({{0, 0}, {22, 6}, {30, 24}, {30, 176}, {22, 194}, {0, 200}}, 20, tile),
             AlongAxis({-300, y, -80}, {1, 0, 0}));
    hull.Add(Box({20, 20, 60}, tile, 2), At(-200, y, -40));
  }
  // Shipyard dock off the +x edge: an open cage of girders round a hull in
  // frame, with a gantry across the top.
  const double dock0 = half, dock1 = half + 440, dockHalf = 90;
  for (int k = 0; k < 4; ++k) {
    double y = (k & 1) ? dockHalf : -dockHalf, z = (k & 2) ? dockHalf : -dockHalf;
    hull.Add(Truss(dock1 - dock0, 22, 12, 3.5, tile), AlongAxis({dock0, y, z}, {1, 0, 0}));
  }
  for (double x : {dock0 + 147.0, dock0 + 293.0, dock1}) {
    for (int k = 0; k < 4; ++k) {
      Frame turn = Compose(At(x, 0, 0), RotX(kPi / 2 * k));
      hull.Add(Bar({0, -dockHalf, dockHalf}, {0, dockHalf, dockHalf}, 12, tile), turn);
    }
  }
  const std::vector<UV> hullShape = {{0, -1},  {0.7, -0.9}, {1, -0.2},  {0.9, 0.6},  {0.5, 1},
                                     {-0.5, 1}, {-0.9, 0.6}, {-1, -0.2}, {-0.7, -0.9}};
  hull.Add(PolyLoft({{dock0 + 50, 36, 26, 0},
                     {dock0 + 110, 56, 42, 0},
                     {dock0 + 300, 56, 42, 4},
                     {dock0 + 400, 20, 18, -6}},
                    hullShape, tile));
  hull.Add(Box({30, 2 * dockHalf + 30, 24}, tile, 3), At(dock0 + 220, 0, dockHalf + 14));
  hull.Add(Bar({dock0 + 220, 0, dockHalf + 2}, {dock0 + 220, 0, 46}, 4, tile), {});
  for (int k = 0; k < 4; ++k) {
    double x = dock0 + 80 + k * 90.0;
    for (int side = -1; side <= 1; side += 2) hull.Add(Bar({x, side * dockHalf, 0}, {x, side * 52.0, 0}, 8, tile), {});
  }
  // Crane arm from the tower over the dock.
  hull.Add(Bar({60, 0, 236}, {half + 100, 0, 180}, 12, tile), {});
  hull.Add(Bar({half + 100, 0, 180}, {half + 100, 0, 120}, 4, tile), {});
  hull.Add(Box({40, 36, 26}, tile, 3), At(-82, 0, 238));

  Model m{"platform", "industrial orbital platform: deck, tank farm, radiators, shipyard dock, landing pads", tile, 900,
          2600, {}, {}, {}};
  for (int k = 0; k < 4; ++k) {
    DVec3 corner = ApplyDirection(RotZ(kPi / 2 * k), {half, half, girder * 0.9 + 2});
    m.lights.push_back(Blink("deck corner " + std::to_string(k + 1), corner, kRed, 10, 0.4 * k, 1.6, 0.2));
  }
  m.lights.push_back(Blink("tower mast", {0, 0, 372}, kRed, 10, 0, 1.2, 0.2));
  m.lights.push_back(Steady("crane tip", {half + 100, 0, 116}, kAmber, 7));
  for (int k = 0; k < 4; ++k) {
    double y = (k & 1) ? dockHalf : -dockHalf;
    m.lights.push_back(Blink("dock mouth " + std::to_string(k + 1), {dock1, y, dockHalf + 14}, kAmber, 9, 0.25 * k,
                             1.0, 0.2));
  }
  for (size_t p = 0; p < pads.size(); ++p)
    for (int k = 0; k < 8; ++k)
      m.lights.push_back(Blink("pad " + std::to_string(p + 1) + " ring " + std::to_string(k + 1),
                               Add(pads[p], Polar(73, 2 * kPi * k / 8, 4)), kGreen, 5, 0.1 * k, 0.8, 0.2));
  m.mesh = hull.Take();
  Model decks = SplitDecks(m);
  Model radiators = Panels("platform", panels);
  radiators.purpose = "radiator fins of \"platform\": draw with the same position, look and right";
  return {m, decks, radiators};
}

std::vector<Model> BuildOutpost() {
  const double tile = 12;
  MeshBuilder hull(kBodyToFile), panels(kBodyToFile);
  // Core module along x with domed ends, a cross module along y, a node between.
  auto capsule = [&](double radius, double length) {
    std::vector<ProfilePoint> profile = {{0, 0}};
    for (int i = 1; i <= 4; ++i) {
      double a = kPi / 2 * i / 4;
      profile.push_back({radius * std::sin(a), radius * (1 - std::cos(a))});
    }
    for (int i = 3; i >= 0; --i) {
      double a = kPi / 2 * i / 4;
      profile.push_back({radius * std::sin(a), length - radius * (1 - std::cos(a))});
    }
    Part part = Lathe(profile, 24, tile);
    part.creaseDegrees = 35;
    return part;
  };
  hull.Add(capsule(18, 110), AlongAxis({-60, 0, 0}, {1, 0, 0}));
  hull.Add(capsule(13, 80), AlongAxis({0, -40, 0}, {0, 1, 0}, {1, 0, 0}));
  hull.Add(Sphere(24, 12, 24, tile));
  for (double x : {-38.0, 20.0}) hull.Add(Torus(18.5, 2.5, 24, 8, tile), AlongAxis({x, 0, 0}, {1, 0, 0}));
  // A small habitat ring round the aft end of the core, on four spokes.
  hull.Add(Torus(56, 7, 48, 12, tile), AlongAxis({-40, 0, 0}, {1, 0, 0}));
  for (int k = 0; k < 4; ++k) {
    double a = kPi / 4 + kPi / 2 * k;
    DVec3 dir{0, std::cos(a), std::sin(a)};
    hull.Add(Cylinder(3, 34, 10, tile), AlongAxis(Add(DVec3{-40, 0, 0}, Scale(dir, 16)), dir, {1, 0, 0}));
  }
  // Docking port at the bow, a mast aft, a dish on the node.
  hull.Add(DockingCollar(12, 16, tile), AlongAxis({48, 0, 0}, {1, 0, 0}));
  hull.Add(Bar({-60, 0, 0}, {-110, 0, 0}, 2.5, tile), {});
  hull.Add(Bar({-95, -12, 0}, {-95, 12, 0}, 1.5, tile), {});
  hull.Add(Bar({0, 0, 22}, {0, 0, 46}, 2.5, tile), {});
  hull.Add(Dish(14, 5, 20, tile), Compose(At(0, 0, 44), RotY(Radians(-35))));
  // Solar wings off the cross module.
  for (int side = -1; side <= 1; side += 2) {
    Frame along = AlongAxis({0, side * 38.0, 0}, {0, double(side), 0}, {1, 0, 0});
    hull.Add(Truss(100, 5, 8, 1, tile), along);
    AddPanelRow(panels, along, 14, 100, 3, 34, 3.5);
  }

  Model m{"outpost", "small outpost: core and cross modules, habitat ring, solar wings", tile, 250, 700, {}, {}, {}};
  m.lights = {Blink("left wing tip", {0, 139, 0}, kWhite, 3, 0, 1.2, 0.15),
              Blink("right wing tip", {0, -139, 0}, kWhite, 3, 0.6, 1.2, 0.15),
              Steady("port left", {66, 16, 0}, kGreen, 2.5),
              Steady("port right", {66, -16, 0}, kRed, 2.5),
              Blink("mast", {0, 0, 48}, kRed, 3, 0.3, 1.5, 0.2),
              Blink("tail boom", {-111, 0, 0}, kRed, 3, 1.0, 1.5, 0.2)};
  for (int k = 0; k < 8; ++k) {
    double a = 2 * kPi * k / 8;
    m.lights.push_back(Blink("ring chain " + std::to_string(k + 1), {-40, 63 * std::cos(a), 63 * std::sin(a)}, kAmber,
                             2.2, 0.125 * k, 0.8, 0.2));
  }
  m.mesh = hull.Take();
  return {m, Panels("outpost", panels)};
}
