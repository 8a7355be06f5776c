#include "tools/gen/meshes/ships.h"

#include <cmath>
#include <string>

#include "tools/common/noise.h"
#include "tools/gen/meshes/primitives.h"

namespace {

const DVec3 kPortRed{1, 0.15, 0.1}, kStarboardGreen{0.2, 1, 0.3}, kWhite{1, 1, 1}, kAmber{1, 0.7, 0.25};

// Adds `part` at `place` and its mirror image on the other side of the xz plane.
void AddPair(MeshBuilder& b, const Part& part, const Frame& place) {
  b.Add(part, place);
  b.Add(part, Compose(MirrorY(), place));
}

DVec3 MirrorOf(DVec3 p) { return {p.x, -p.y, p.z}; }

// A frame at `at` whose local z axis points backwards (-x): nozzles and pods.
Frame Aft(DVec3 at) { return AlongAxis(at, {-1, 0, 0}); }
// A frame at `at` whose local z axis points forwards (+x).
Frame Fore(DVec3 at) { return AlongAxis(at, {1, 0, 0}); }
// A frame turning the xy plane of a wing into a fin that rises at `cant`
// degrees from the vertical towards +y.
Frame Fin(DVec3 at, double cantDegrees) { return Compose(At(at), RotX(Radians(90 - cantDegrees))); }
// A wing frame with dihedral (tips up) in degrees.
Frame WingAt(DVec3 at, double dihedralDegrees) { return Compose(At(at), RotX(Radians(dihedralDegrees))); }

// The leading-edge tip of a wing placed by `place`, pulled back half a tip chord.
DVec3 TipCentre(const WingShape& w, const Frame& place) {
  return Apply(place, {w.sweep - w.tipChord * 0.5, w.span, 0});
}

Light Steady(const std::string& name, DVec3 at, DVec3 color, double size) { return {name, at, color, size, 0, 0, 0}; }
Light Blink(const std::string& name, DVec3 at, DVec3 color, double size, double timer, double dark, double lit) {
  return {name, at, color, size, timer, dark, lit};
}

}  // namespace

Model BuildInterceptor() {
  const double tile = 4;
  MeshBuilder b(kBodyToFile);
  // Faceted fuselage with sharp chines.
  const std::vector<UV> chined = {{0, -1},    {0.6, -0.8}, {1, -0.05}, {0.55, 0.8},
                                  {0, 1},     {-0.55, 0.8}, {-1, -0.05}, {-0.6, -0.8}};
  b.Add(PolyLoft({{-5.4, 0.95, 0.55, 0.05},
                  {-4.0, 1.15, 0.7, 0.08},
                  {-0.5, 1.1, 0.78, 0.1},
                  {2.2, 0.82, 0.62, 0.06},
                  {4.8, 0.42, 0.36, -0.04},
                  {6.9, 0.04, 0.04, -0.12}},
                 chined, tile));
  // Canopy and the spine fairing behind it.
  b.Add(Sphere(1, 8, 16, tile), Frame{{1.5, 0, 0.62}, {1.55, 0, 0}, {0, 0.42, 0}, {0, 0, 0.42}});
  b.Add(Loft({{-4.6, 0.12, 0.1, 0.62, 2}, {-3.2, 0.3, 0.22, 0.78, 2.5}, {0.4, 0.34, 0.26, 0.82, 2.5}, {1.2, 0, 0, 0.7, 2}},
             12, tile));
  // Leading-edge strakes blending into swept wings with drooped tips.
  AddPair(b, Wing({6.0, 2.6, 1.35, -3.0, 0.14, 0.1}, tile), WingAt({4.2, 0.3, -0.02}, 0));
  WingShape wing{4.6, 1.05, 3.7, -3.3, 0.28, 0.09};
  Frame leftWing = WingAt({1.0, 1.0, -0.05}, -2);
  AddPair(b, Wing(wing, tile), leftWing);
  Frame winglet = Compose(At(TipCentre(wing, leftWing)), At(0.6, -0.05, 0), RotX(Radians(-70)));
  WingShape tipFin{1.5, 0.6, 0.8, -0.6, 0.09, 0.05};
  AddPair(b, Wing(tipFin, tile), winglet);
  // Twin fins canted outwards.
  WingShape fin{2.4, 0.8, 1.7, -1.5, 0.16, 0.07};
  Frame leftFin = Fin({-3.0, 0.6, 0.5}, 24);
  AddPair(b, Wing(fin, tile), leftFin);
  // Engines in the rear flanks, with intakes under the strakes.
  Frame pod = Aft({0.6, 0.9, -0.1});
  AddPair(b, Lathe({{0, 0}, {0.5, 0}, {0.56, 0.6}, {0.58, 4.6}, {0.5, 6.0}, {0, 6.0}}, 14, tile), pod);
  AddPair(b, Box({1.4, 0.62, 0.62}, tile, 0.1), At(1.1, 0.9, -0.1));
  Part nozzle = Nozzle(0.5, 0.42, 0.75, 14, tile);
  Frame nozzleAt = Aft({-5.4, 0.9, -0.1});
  AddPair(b, nozzle, nozzleAt);
  // Cannons under the wing roots and a nose probe.
  AddPair(b, Bar({3.2, 1.45, -0.32}, {-0.5, 1.45, -0.32}, 0.14, tile), {});
  b.Add(Lathe({{0, 6.6}, {0.06, 6.8}, {0.025, 7.9}, {0, 8.0}}, 6, tile), Fore({0, 0, -0.12}));

  Model m{"interceptor", "small, fast fighter; flies in pairs or flights", tile, 25, 60, {}, {}, {}};
  DVec3 exit = Apply(nozzleAt, {0, 0, 0.75});
  m.engines = {{"left engine", exit, 0.42}, {"right engine", MirrorOf(exit), 0.42}};
  DVec3 tip = Apply(winglet, {tipFin.sweep - tipFin.tipChord * 0.5, tipFin.span, 0});
  DVec3 finTop = Apply(leftFin, {fin.sweep - fin.tipChord * 0.5, fin.span, 0});
  m.lights = {Steady("left wing tip", tip, kPortRed, 0.45),
              Steady("right wing tip", MirrorOf(tip), kStarboardGreen, 0.45),
              Blink("left fin top", finTop, kWhite, 0.35, 0, 1.2, 0.15),
              Blink("right fin top", MirrorOf(finTop), kWhite, 0.35, 0.6, 1.2, 0.15)};
  m.mesh = b.Take();
  return m;
}

Model BuildShuttle() {
  const double tile = 6;
  MeshBuilder b(kBodyToFile);
  // A stout, squarish body with a sloped nose.
  b.Add(Loft({{-8.6, 2.0, 1.6, 0.1, 4.5},
              {-7.6, 2.3, 1.9, 0.1, 4.5},
              {2.5, 2.4, 2.0, 0.1, 4.5},
              {5.8, 2.2, 1.8, -0.1, 3.8},
              {8.4, 1.6, 1.2, -0.45, 3.0},
              {10.2, 0.8, 0.55, -0.75, 2.6}},
             24, tile));
  // Cockpit glazing band and a roof fairing.
  b.Add(Box({2.6, 3.2, 0.7}, tile, 0.25), Compose(At(6.6, 0, 1.15), RotY(Radians(18))));
  b.Add(Box({9.0, 2.6, 0.5}, tile, 0.2), At(-2.5, 0, 2.1));
  // Stub wings low on the flanks, with wing-tip pods.
  WingShape wing{6.5, 2.4, 4.6, -3.2, 0.6, 0.25};
  Frame leftWing = WingAt({0.8, 2.0, -1.0}, 6);
  AddPair(b, Wing(wing, tile), leftWing);
  DVec3 tip = TipCentre(wing, leftWing);
  Frame tipPod = Fore(Add(tip, {-1.2, 0, 0}));
  AddPair(b, Lathe({{0, -1.0}, {0.3, -0.8}, {0.35, 1.2}, {0, 2.2}}, 10, tile), tipPod);
  // Tail fin.
  WingShape fin{4.5, 1.8, 3.0, -2.6, 0.4, 0.16};
  b.Add(Wing(fin, tile), Fin({-4.0, 0, 1.9}, 0));
  // Engine block with two main nozzles and a pair of small manoeuvring jets.
  b.Add(Box({2.2, 4.2, 3.0}, tile, 0.3), At(-9.2, 0, 0.1));
  Frame nozzleAt = Aft({-10.2, 1.05, 0.1});
  AddPair(b, Nozzle(0.9, 0.8, 1.4, 16, tile), nozzleAt);
  AddPair(b, Nozzle(0.3, 0.26, 0.5, 8, tile), Aft({-10.2, 1.7, 1.35}));
  // Side hatch, roof radiators, landing skids.
  AddPair(b, Box({2.4, 0.3, 2.0}, tile, 0.1), At(-1.0, 2.35, 0.2));
  AddPair(b, Box({5.0, 0.9, 0.15}, tile, 0.05), Compose(At(-3.0, 1.6, 2.0), RotX(Radians(-25))));
  AddPair(b, Box({7.0, 0.35, 0.35}, tile, 0.1), At(-0.5, 1.4, -2.25));
  AddPair(b, Bar({2.0, 1.4, -1.6}, {2.0, 1.4, -2.2}, 0.3, tile), {});
  AddPair(b, Bar({-3.0, 1.4, -1.6}, {-3.0, 1.4, -2.2}, 0.3, tile), {});
  // Dorsal antenna.
  b.Add(Bar({3.0, 0.6, 2.1}, {1.5, 0.6, 3.6}, 0.08, tile), {});

  Model m{"shuttle", "crew and cargo shuttle between ships and stations", tile, 40, 90, {}, {}, {}};
  DVec3 exit = Apply(nozzleAt, {0, 0, 1.4});
  m.engines = {{"left main engine", exit, 0.8}, {"right main engine", MirrorOf(exit), 0.8}};
  DVec3 wingTip = Add(Apply(tipPod, {0, 0, 2.2}), {0, 0, 0});
  m.lights = {Steady("left wing tip", Add(tip, {0, 0.35, 0}), kPortRed, 0.7),
              Steady("right wing tip", MirrorOf(Add(tip, {0, 0.35, 0})), kStarboardGreen, 0.7),
              Blink("fin top", Apply(Fin({-4.0, 0, 1.9}, 0), {fin.sweep - fin.tipChord * 0.5, fin.span, 0}), kWhite,
                    0.6, 0, 1.0, 0.15),
              Blink("belly beacon", {-0.5, 0, -2.1}, kAmber, 0.6, 0.5, 1.0, 0.2),
              Steady("left pod nose", wingTip, kPortRed, 0.4),
              Steady("right pod nose", MirrorOf(wingTip), kStarboardGreen, 0.4)};
  m.mesh = b.Take();
  return m;
}

namespace {

// A gun turret on a deck facing up (+z) at `at`, barrels forward.
void AddTurret(MeshBuilder& b, DVec3 at, double size, double tile, bool underside) {
  Frame f = underside ? Compose(At(at), RotX(kPi)) : At(at);
  b.Add(Cylinder(size * 0.6, size * 0.45, 16, tile), f);
  b.Add(Box({size * 1.2, size * 0.95, size * 0.5}, tile, size * 0.14), Compose(f, At(-size * 0.1, 0, size * 0.65)));
  for (int side = -1; side <= 1; side += 2) {
    DVec3 root{size * 0.4, side * size * 0.22, size * 0.65};
    b.Add(Bar(root, Add(root, {size * 1.5, 0, 0}), size * 0.13, tile), f);
  }
}

// Deterministic scatter of small boxes along a flank at height z, side +y.
void AddFlankDetail(MeshBuilder& b, double x0, double x1, double y, double z, double scale, uint32_t seed,
                    double tile) {
  int count = int((x1 - x0) / (scale * 2.2));
  for (int i = 0; i < count; ++i) {
    double u = HashUnit(seed, uint32_t(i)), v = HashUnit(seed + 1, uint32_t(i));
    if (u < 0.25) continue;
    DVec3 size{scale * (1 + 1.5 * u), scale * 0.5, scale * (0.5 + v)};
    DVec3 at{x0 + (i + 0.5) * (x1 - x0) / count, y, z + (v - 0.5) * scale};
    AddPair(b, Box(size, tile, scale * 0.1), At(at));
  }
}

}  // namespace

Model BuildFrigate() {
  const double tile = 16;
  MeshBuilder b(kBodyToFile);
  // Armoured hull with sharp chines and a blade prow.
  const std::vector<UV> hullShape = {{0, -1},     {0.45, -1},   {0.9, -0.55}, {1, 0.1},      {0.8, 0.75}, {0.4, 1},
                                     {-0.4, 1},   {-0.8, 0.75}, {-1, 0.1},    {-0.9, -0.55}, {-0.45, -1}};
  b.Add(PolyLoft({{-46, 9, 6.5, 0},
                  {-38, 10.5, 7.5, 0.5},
                  {-5, 10.5, 7.5, 0.5},
                  {20, 8.5, 6.5, 0},
                  {40, 5.0, 4.6, -1},
                  {53, 1.4, 2.8, -2.2}},
                 hullShape, tile));
  // Armour belts along the flanks and a dorsal spine.
  AddPair(b, PolyLoft({{-36, 1.2, 2.2, 0}, {-30, 1.6, 3.0, 0}, {10, 1.6, 3.0, 0}, {22, 1.0, 2.0, -0.4}},
                      hullShape, tile),
          At(0, 10.0, 1.0));
  b.Add(Box({14, 3.2, 1.6}, tile, 0.5), At(-5, 0, 8.4));
  // Command tower in tiers, its bridge band looking forward.
  b.Add(Box({26, 13, 3.2}, tile, 0.8), At(-22, 0, 9.4));
  b.Add(Box({16, 9, 3.4}, tile, 0.7), At(-24, 0, 12.6));
  b.Add(Box({7, 15, 2.4}, tile, 0.5), At(-19.5, 0, 15.2));
  b.Add(Box({3.2, 12.5, 1.2}, tile, 0.3), Compose(At(-16.2, 0, 15.0), RotY(Radians(25))));
  b.Add(Box({6, 5, 3.5}, tile, 0.5), At(-25, 0, 17.6));
  b.Add(Bar({-25, 0, 19}, {-25, 0, 27}, 0.6, tile), {});
  b.Add(Bar({-25, -3.5, 24.5}, {-25, 3.5, 24.5}, 0.35, tile), {});
  b.Add(Dish(2.6, 0.9, 16, tile), Compose(At(-28.5, 4.2, 18.2), RotY(Radians(-60))));
  b.Add(Sphere(1.6, 8, 12, tile), At(-27.5, -3.6, 20.6));
  // Turrets: two on the foredeck, one aft of the tower, one under the bow.
  AddTurret(b, {2, 0, 8.0}, 3.6, tile, false);
  AddTurret(b, {16, 0, 6.5}, 3.2, tile, false);
  AddTurret(b, {-37, 0, 8.0}, 3.0, tile, false);
  AddTurret(b, {10, 0, -6.5}, 3.0, tile, true);
  // Sensor dome under the prow and missile cells on the foredeck.
  b.Add(Sphere(2.2, 8, 16, tile), At(38, 0, -5.4));
  for (int k = 0; k < 4; ++k) AddPair(b, Box({2.6, 2.0, 0.7}, tile, 0.2), At(24 + 3.2 * k, 2.6, 6.4 - 0.1 * k));
  // Engine nacelles on pylons.
  Frame nacelle = Aft({-12, 15, -1});
  AddPair(b, Lathe({{0, 0}, {1.8, 0.6}, {2.9, 3}, {3.2, 12}, {3.2, 28}, {2.9, 32}}, 20, tile), nacelle);
  AddPair(b, Wing({18, 11, 5.5, -5, 1.8, 1.2}, tile), WingAt({-16, 9.5, -1}, 0));
  AddPair(b, Box({12, 1.4, 1.4}, tile, 0.3), At(-30, 18.2, 1.4));
  Frame nacelleNozzle = Aft({-44, 15, -1});
  AddPair(b, Nozzle(2.9, 2.6, 4, 20, tile), nacelleNozzle);
  // Main drive: a block in the stern with three nozzles.
  b.Add(Box({5, 17, 12}, tile, 1.0), At(-47.5, 0, 0.2));
  Frame mainTop = Aft({-50, 0, 2.8}), mainLeft = Aft({-50, 4.8, -2.4});
  b.Add(Nozzle(3.0, 2.7, 4.5, 20, tile), mainTop);
  AddPair(b, Nozzle(3.0, 2.7, 4.5, 20, tile), mainLeft);
  // Flank detail: vents and blisters.
  AddFlankDetail(b, -38, 16, 10.3, -2.5, 1.8, 11, tile);
  AddFlankDetail(b, -30, 24, 7.6, 6.0, 1.4, 23, tile);
  // Bow sensor boom.
  b.Add(Bar({52, 0, -2.2}, {59, 0, -2.2}, 0.35, tile), {});

  Model m{"frigate", "escort warship; the fleets' workhorse", tile, 150, 400, {}, {}, {}};
  DVec3 top = Apply(mainTop, {0, 0, 4.5}), left = Apply(mainLeft, {0, 0, 4.5});
  DVec3 pod = Apply(nacelleNozzle, {0, 0, 4});
  m.engines = {{"main top", top, 2.7},       {"main left", left, 2.7},         {"main right", MirrorOf(left), 2.7},
               {"left nacelle", pod, 2.6}, {"right nacelle", MirrorOf(pod), 2.6}};
  DVec3 nacelleFront = Apply(nacelle, {0, 0, -0.2});
  m.lights = {Blink("bow", {59.2, 0, -2.2}, kWhite, 1.2, 0, 1.5, 0.2),
              Blink("mast top", {-25, 0, 27.3}, kPortRed, 1.2, 0.3, 1.5, 0.2),
              Steady("left nacelle nose", nacelleFront, kPortRed, 1.4),
              Steady("right nacelle nose", MirrorOf(nacelleFront), kStarboardGreen, 1.4),
              Steady("left bridge wing", {-19.5, 7.7, 15.2}, kPortRed, 0.9),
              Steady("right bridge wing", {-19.5, -7.7, 15.2}, kStarboardGreen, 0.9),
              Blink("stern", {-50.2, 0, 6.4}, kWhite, 1.0, 0.75, 1.5, 0.2)};
  m.mesh = b.Take();
  return m;
}

Model BuildFreighter() {
  const double tile = 24;
  MeshBuilder b(kBodyToFile);
  // Command section forward: a drum with a bridge deck on a short neck.
  Frame bow = Fore({52, 0, 0});
  b.Add(Lathe({{0, 0}, {10, 0}, {11, 3}, {11, 16}, {9.5, 21}, {5.5, 26}, {0, 27.5}}, 28, tile), bow);
  b.Add(Torus(11, 1.2, 28, 8, tile), Compose(bow, At(0, 0, 9)));
  b.Add(Cylinder(4.2, 10, 16, tile), Fore({43, 0, 0}));
  b.Add(Box({12, 9, 3.2}, tile, 0.8), At(63, 0, 11.5));
  b.Add(Box({4, 14, 1.6}, tile, 0.4), Compose(At(68.4, 0, 11.8), RotY(Radians(22))));
  b.Add(Bar({58, 0, 13}, {58, 0, 20}, 0.5, tile), {});
  b.Add(Dish(3.5, 1.2, 16, tile), Compose(At(50, 6, 9), RotY(Radians(-30))));
  // The spine and its container stacks: 3 x 3 blocks round the spine, a few missing.
  b.Add(Truss(108, 7, 18, 0.9, tile), Fore({-58, 0, 0}));
  std::vector<double> clamps;
  for (int stack = 0; stack < 6; ++stack) {
    double x = -46 + stack * 17.5;
    for (int k = 0; k < 9; ++k) {
      int iy = k % 3 - 1, iz = k / 3 - 1;
      if (iy == 0 && iz == 0) continue;
      double pick = HashUnit(77, uint32_t(stack * 9 + k));
      if (pick < 0.12) continue;
      if (pick < 0.45) {  // two short containers in the slot
        for (int half = -1; half <= 1; half += 2)
          b.Add(Box({7.6, 8.6, 8.6}, tile, 0.5), At(x + half * 3.95, iy * 9.0, iz * 9.0));
      } else {
        b.Add(Box({15.5, 8.6, 8.6}, tile, 0.5), At(x, iy * 9.0, iz * 9.0));
      }
    }
    // Clamp frame at the front of each stack.
    clamps.push_back(x + 8.2);
    for (int side = 0; side < 4; ++side) {
      Frame turn = Compose(At(x + 8.2, 0, 0), RotX(kPi / 2 * side));
      b.Add(Bar({0, -14.2, 14.2}, {0, 14.2, 14.2}, 0.9, tile), turn);
    }
  }
  // Drive section: a drum with four nozzles and radiator panels on struts.
  b.Add(Lathe({{0, 0}, {9, 0}, {11.5, 3}, {11.5, 20}, {10, 24}, {4, 25}, {0, 25}}, 28, tile), Aft({-58, 0, 0}));
  std::vector<Frame> nozzles;
  for (int k = 0; k < 4; ++k) {
    double a = kPi / 4 + kPi / 2 * k;
    nozzles.push_back(Aft({-82, 5.2 * std::cos(a), 5.2 * std::sin(a)}));
    b.Add(Nozzle(3.6, 3.3, 6, 20, tile), nozzles.back());
  }
  const double radiatorTip = 34;
  std::vector<DVec3> radiatorTips;
  for (int k = 0; k < 4; ++k) {
    Frame fin = Compose(At(-68, 0, 0), RotX(kPi / 4 + kPi / 2 * k));
    b.Add(Box({10, 0.8, 6}, tile, 0.2), Compose(fin, At(0, 0, 13)));
    b.Add(Box({26, 0.5, radiatorTip - 16}, tile, 0.15), Compose(fin, At(0, 0, (radiatorTip + 16) / 2)));
    // Coolant ribs across both faces, so the panel reads as a radiator and not a blank plate.
    for (int r = 0; r < 9; ++r)
      b.Add(Box({0.7, 1.3, radiatorTip - 17}, tile, 0.1), Compose(fin, At(-11.2 + 2.8 * r, 0, (radiatorTip + 16) / 2)));
    radiatorTips.push_back(Apply(fin, {0, 0, radiatorTip}));
  }

  Model m{"freighter", "long-haul container freighter; slow, massive, for convoys", tile, 250, 600, {}, {}, {}};
  for (int k = 0; k < 4; ++k)
    m.engines.push_back({"drive " + std::to_string(k + 1), Apply(nozzles[k], {0, 0, 6}), 3.3});
  m.lights = {Blink("bow", {79.6, 0, 0}, kWhite, 1.6, 0, 2.0, 0.2),
              Steady("left command deck", {63, 11.2, 3}, kPortRed, 1.5),
              Steady("right command deck", {63, -11.2, 3}, kStarboardGreen, 1.5),
              Blink("bridge mast", {58, 0, 20.3}, kPortRed, 1.2, 1.0, 2.0, 0.2)};
  for (size_t k = 0; k < radiatorTips.size(); ++k)
    m.lights.push_back(Blink("radiator tip " + std::to_string(k + 1), radiatorTips[k], kPortRed, 1.4, 0.5 * k, 2.0, 0.2));
  for (size_t k = 0; k < clamps.size(); ++k)
    m.lights.push_back(Blink("spine chain " + std::to_string(k + 1), {clamps[k], 0, 15.1}, kAmber, 1.2, 0.2 * k, 1.2, 0.2));
  m.mesh = b.Take();
  return m;
}
