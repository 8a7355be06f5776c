#include "tools/film/lint.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "director/keyframe_track.h"
#include "director/scene_director.h"
#include "objects/mesh_object.h"
#include "objects/object_context.h"

namespace {

constexpr float kStep = 0.1f;          // seconds between samples
constexpr float kHalfWidthPx = 400;    // the 800 px picture
constexpr ViewExtent kView{};          // its half-extents at unit distance
constexpr float kSpeckPx = 40;         // below this a subject is a speck
constexpr float kSeenPx = 8;           // a body this wide counts as in view
constexpr float kChaseLow = 0.15f, kChaseHigh = 0.30f;  // of the frame width
constexpr float kCentre = 0.12f;       // screen units either way: dead centre
constexpr float kDistanceChange = 1.5f;
constexpr float kSweepDegrees = 20;
constexpr float kDegree = 3.14159265f / 180;

struct Eye {
  Vec3 position, look, left, up;
};

// Where a sphere lies in the picture.
struct Projection {
  bool inView = false;  // some part of it lies inside the frustum
  float width = 0;      // px
  float u = 0, v = 0;   // its centre
};

Projection Project(const Eye& eye, Vec3 centre, float radius) {
  Vec3 d = Sub(centre, eye.position);
  float x = Dot(d, eye.look), y = Dot(d, eye.left), z = Dot(d, eye.up);
  float distance = Length(d);
  Projection p;
  p.width = distance <= radius ? 2 * kHalfWidthPx
                               : 2 * kHalfWidthPx * radius / std::sqrt(distance * distance - radius * radius) / kView.right;
  p.width = std::fmin(p.width, 20 * kHalfWidthPx);
  // The frustum's side planes, widened by the radius.
  const float sideReach = radius * std::sqrt(1 + kView.right * kView.right);
  const float topReach = radius * std::sqrt(1 + kView.up * kView.up);
  p.inView = x > -radius && std::fabs(y) < kView.right * x + sideReach && std::fabs(z) < kView.up * x + topReach;
  if (x > 0) {
    p.u = -y / x / kView.right;
    p.v = z / x / kView.up;
  }
  if (!p.inView) p.width = 0;
  return p;
}

// A ship as the picture shows it: where its origin lies, and how wide its
// points spread across the picture in its pose (x forward, y left, z up).
Projection ProjectShip(const Eye& eye, const MeshObject& ship, const ShipShape& shape) {
  Projection p = Project(eye, ship.position, shape.radius);
  if (!p.inView || shape.points.empty()) return p;
  const Vec3 left = Negate(ship.right), up = Cross(ship.look, left);
  float lowest = 0, highest = 0;
  for (size_t i = 0; i < shape.points.size(); ++i) {
    const Vec3 q = shape.points[i];
    const Vec3 d = Sub(Add(ship.position, Add(Scale(ship.look, q.x), Add(Scale(left, q.y), Scale(up, q.z)))), eye.position);
    const float x = Dot(d, eye.look);
    if (x < 1) return p;  // a point beside or behind the eye: the sphere's width stands
    const float u = -Dot(d, eye.left) / x / kView.right;
    lowest = i == 0 ? u : std::fmin(lowest, u);
    highest = i == 0 ? u : std::fmax(highest, u);
  }
  p.width = std::fmin((highest - lowest) * kHalfWidthPx, 20 * kHalfWidthPx);
  return p;
}

float AngleBetween(Vec3 a, Vec3 b) {
  return std::acos(std::fmax(-1.0f, std::fmin(1.0f, Dot(Normalize(a), Normalize(b))))) / kDegree;
}

// Who the shot is about: the followed or watched ship, else the body the
// look targets lie in or nearest to (the smallest
// of several that hold them: a planet rather than its shells). Empty for a camera looking ahead.
std::string SubjectOf(const Shot& shot, const std::vector<Body>& bodies) {
  const MoverSpec& camera = shot.camera;
  if (!camera.leader.empty()) return camera.leader;
  if (camera.look.kind == LookSpec::Ship) return camera.look.ship;
  if (camera.look.kind == LookSpec::Ahead) return "";
  const Body* best = nullptr;
  float bestGap = 0;
  for (const Body& body : bodies) {
    float gap = 0;
    for (Vec3 p : camera.look.points) {
      float d = Length(Sub(p, body.centre));
      gap += std::fmax(0.0f, d - body.radius);
    }
    if (!best || gap < bestGap || (gap == bestGap && body.radius < best->radius)) {
      best = &body;
      bestGap = gap;
    }
  }
  if (!best) return "";
  // A shell or a halo shares its planet's centre: the planet is the subject.
  for (const Body& body : bodies)
    if (Length(Sub(body.centre, best->centre)) < 1 && body.radius < best->radius) best = &body;
  return best->name;
}

// The shot's ships, flown by the mesh objects' own track evaluation.
struct Ships {
  ObjectContext context;
  std::vector<std::unique_ptr<MeshObject>> meshes;
  std::vector<ShipShape> shapes;

  Ships(const BuiltShot& built, const SceneDirector& director, const std::map<std::string, ShipShape>& known) {
    context.camera = &director.view;
    for (const BuiltTrack& track : built.ships) {
      auto mesh = std::make_unique<MeshObject>(context, MeshGeometry{});
      std::snprintf(mesh->name, sizeof mesh->name, "%s", track.name.c_str());
      mesh->track = track.keys;
      PrepareTrack(mesh->track);
      auto shape = known.find(track.name);
      shapes.push_back(shape == known.end() ? ShipShape{} : shape->second);
      meshes.push_back(std::move(mesh));
    }
  }
};

class Flight {
 public:
  Flight(const Shot& shot, const BuiltShot& built, const std::vector<Body>& bodies,
         const std::map<std::string, ShipShape>& ships, bool skyAllowed)
      : shot_(shot), bodies_(bodies), ships_(built, director_, ships), skyAllowed_(skyAllowed) {
    director_.track = built.camera.keys;
    PrepareTrack(director_.track);
  }

  ShotLint Fly() {
    lint_.subject = SubjectOf(shot_, bodies_);
    if (!lint_.subject.empty() && !FindSubject()) Fault(0, "no body or ship named " + lint_.subject);
    const int steps = int(std::lround(shot_.length / kStep));
    std::vector<float> widest(ships_.meshes.size(), 0);
    int considered = 0, centred = 0, firstCentred = -1;
    float nearest = 0, farthest = 0, peakShare = 0;
    Vec3 firstLook{0, 0, 0}, firstBearing{0, 0, 0};
    for (int i = 0; i < steps; ++i) {  // the track's end time wraps to its start
      const float t = float(i) * kStep;
      const int second = int(t + 1e-3f);
      const bool atSecond = i % int(std::lround(1 / kStep)) == 0;
      Eye eye = Evaluate(t);
      const bool underFade = t < shot_.fadeIn.seconds || t > shot_.length - shot_.fadeOut.seconds;
      for (size_t s = 0; s < ships_.meshes.size(); ++s) {
        const Projection p = ProjectShip(eye, *ships_.meshes[s], ships_.shapes[s]);
        if (!underFade) widest[s] = std::fmax(widest[s], p.width);
      }
      Vec3 centre{0, 0, 0};
      const bool hasSubject = SubjectAt(centre);
      const Projection subject = hasSubject ? ProjectSubject(eye) : Projection{};
      const bool onlySky = OnlySky(eye);
      if (atSecond) lint_.seconds.push_back({second, subject.width, subject.u, subject.v, onlySky});
      if (underFade) continue;
      if (onlySky && !skyAllowed_) Fault(second, "nothing but sky in view", "sky");
      if (!hasSubject) continue;
      const float distance = Length(Sub(eye.position, centre));
      if (considered++ == 0) {
        nearest = farthest = distance;
        firstLook = eye.look;
        firstBearing = Sub(eye.position, centre);
      }
      nearest = std::fmin(nearest, distance);
      farthest = std::fmax(farthest, distance);
      lint_.sweep = std::fmax(lint_.sweep, std::fmax(AngleBetween(firstLook, eye.look),
                                                     AngleBetween(firstBearing, Sub(eye.position, centre))));
      if (std::fabs(subject.u) < kCentre && std::fabs(subject.v) < kCentre && subject.inView) {
        if (centred++ == 0) firstCentred = second;
      }
      if (!subject.inView) Fault(second, lint_.subject + " is out of view", "out");
      else if (subject.width < kSpeckPx) Fault(second, lint_.subject + " is a speck of " + Px(subject.width), "speck");
      const float share = subject.width / (2 * kHalfWidthPx);
      peakShare = std::fmax(peakShare, share);
      if (Chased() && (share < kChaseLow || share > kChaseHigh))
        Fault(second, "the chased " + lint_.subject + " holds " + Percent(share) + " of the width", "chase");
    }
    if (considered > 0) {
      lint_.distanceRatio = nearest > 0 ? farthest / nearest : 1;
      if (lint_.distanceRatio < kDistanceChange && lint_.sweep < kSweepDegrees)
        Fault(0, "static: distance x" + Fixed(lint_.distanceRatio, 2) + ", sweep " + Fixed(lint_.sweep, 0) + " deg");
      if (2 * centred > considered) Fault(firstCentred, lint_.subject + " sits dead centre most of the shot");
      if (Watched() && peakShare < kChaseLow)
        Fault(0, "the watched " + lint_.subject + " never holds more than " + Percent(peakShare) + " of the width");
    }
    for (size_t s = 0; s < widest.size(); ++s)
      if (widest[s] < kSeenPx) Fault(0, std::string("ship ") + ships_.meshes[s]->name + " never comes into view");
    std::stable_sort(found_.begin(), found_.end(), [](const Found& a, const Found& b) { return a.from < b.from; });
    for (const Found& f : found_) {
      std::string when = std::to_string(f.from) + (f.to > f.from ? "-" + std::to_string(f.to) : "");
      lint_.faults.push_back("at " + when + " s: " + f.what);
    }
    return lint_;
  }

 private:
  static std::string Fixed(float value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", digits, double(value));
    return text;
  }
  static std::string Px(float width) { return Fixed(width, 0) + " px"; }
  static std::string Percent(float share) { return Fixed(100 * share, 0) + " %"; }

  // Faults of one kind in following seconds make one line: "at 3-9 s".
  void Fault(int second, const std::string& what, const std::string& kind = "") {
    for (Found& found : found_) {
      if (kind.empty() || found.kind != kind || second > found.to + 1) continue;
      found.to = std::max(found.to, second);
      return;
    }
    found_.push_back({second, second, kind, what});
  }

  bool Chased() const { return !shot_.camera.leader.empty(); }
  bool Watched() const { return shot_.camera.leader.empty() && shot_.camera.look.kind == LookSpec::Ship; }

  Eye Evaluate(float t) {
    director_.view.sceneClock = t;
    director_.UpdateCamera();
    for (auto& mesh : ships_.meshes) mesh->Update(0);
    director_.ApplyCameraTargets();
    return {director_.view.eye, director_.view.look, Cross(director_.up, director_.view.look), director_.up};
  }

  bool FindSubject() const {
    Vec3 centre;
    return SubjectAt(centre);
  }

  // The subject's ship index, or -1 for a body or none.
  int SubjectShip() const {
    for (size_t s = 0; s < ships_.meshes.size(); ++s)
      if (lint_.subject == ships_.meshes[s]->name) return int(s);
    return -1;
  }
  const Body* SubjectBody() const {
    for (const Body& body : bodies_)
      if (body.name == lint_.subject) return &body;
    return nullptr;
  }

  bool SubjectAt(Vec3& centre) const {
    if (lint_.subject.empty()) return false;
    if (int s = SubjectShip(); s >= 0) {
      centre = ships_.meshes[size_t(s)]->position;
      return true;
    }
    const Body* body = SubjectBody();
    if (body) centre = body->centre;
    return body != nullptr;
  }

  Projection ProjectSubject(const Eye& eye) const {
    if (int s = SubjectShip(); s >= 0) return ProjectShip(eye, *ships_.meshes[size_t(s)], ships_.shapes[size_t(s)]);
    const Body* body = SubjectBody();
    return Project(eye, body->centre, body->radius);
  }

  bool OnlySky(const Eye& eye) const {
    for (const Body& body : bodies_)
      if (Project(eye, body.centre, body.radius).width >= kSeenPx) return false;
    for (size_t s = 0; s < ships_.meshes.size(); ++s)
      if (ProjectShip(eye, *ships_.meshes[s], ships_.shapes[s]).width >= kSeenPx) return false;
    return true;
  }

  const Shot& shot_;
  const std::vector<Body>& bodies_;
  SceneDirector director_;
  Ships ships_;
  bool skyAllowed_;
  struct Found {
    int from, to;
    std::string kind, what;
  };
  std::vector<Found> found_;
  ShotLint lint_;
};

}  // namespace

ShotLint LintShot(const Shot& shot, const BuiltShot& built, const std::vector<Body>& bodies,
                  const std::map<std::string, ShipShape>& ships, bool skyAllowed) {
  return Flight(shot, built, bodies, ships, skyAllowed).Fly();
}
