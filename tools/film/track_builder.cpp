#include "tools/film/track_builder.h"

#include <cmath>
#include <map>
#include <memory>

#include "tools/film/curve.h"

namespace {

constexpr float kDefaultStep = 5;

float Mix(const float (&pair)[2], float s) { return pair[0] + (pair[1] - pair[0]) * s; }
Vec3 Lerp(Vec3 a, Vec3 b, float s) { return Add(a, Scale(Sub(b, a), s)); }

// Where one mover is at a time of the shot, and where it heads.
struct Pose {
  Vec3 position;
  Vec3 forward;
};

// The point at slot (forward, left, up) in the axes of a leader.
Pose InSlot(const Pose& lead, Vec3 slot) {
  Vec3 left = Normalize(Cross(Set(0, 0, 1), lead.forward));
  Vec3 up = Cross(lead.forward, left);
  Vec3 offset = Add(Add(Scale(lead.forward, slot.x), Scale(left, slot.y)), Scale(up, slot.z));
  return {Add(lead.position, offset), lead.forward};
}

class ShipPaths {
 public:
  ShipPaths(const Shot& shot, std::string& errors) : shot_(shot), errors_(errors) {
    for (const MoverSpec& ship : shot.ships) {
      if (ship.leader.empty()) AddCurve(ship);
    }
  }

  bool Known(const std::string& name) const { return Find(name) != nullptr; }

  // A ship's pose at time t; a formation ship keeps its slot in its leader's
  // axes.
  Pose At(const std::string& name, float t) const {
    const MoverSpec* ship = Find(name);
    if (!ship->leader.empty()) return InSlot(At(ship->leader, t), ship->slot);
    const Curve& curve = *curves_.at(name);
    float s = EaseInOut(t / shot_.length, ship->easeIn, ship->easeOut);
    return {curve.Position(s), curve.Direction(s)};
  }

  const MoverSpec* Find(const std::string& name) const {
    for (const MoverSpec& ship : shot_.ships)
      if (ship.name == name) return &ship;
    return nullptr;
  }

 private:
  void AddCurve(const MoverSpec& ship) {
    std::string problem = PathProblem(ship.path);
    if (!problem.empty()) {
      errors_ += "ship " + ship.name + ": " + problem + "\n";
      return;
    }
    curves_[ship.name] = std::make_unique<Curve>(ship.path);
  }

  const Shot& shot_;
  std::string& errors_;
  std::map<std::string, std::unique_ptr<Curve>> curves_;
};

Keyframe MakeKey(float time, Vec3 position, Quat orientation, const KeyframeTrack& track) {
  Keyframe key;
  key.time = time;
  key.position = position;
  key.orientation = track.empty() ? orientation : Nearer(orientation, track.back().orientation);
  return key;
}

bool LeadersKnown(const Shot& shot, const ShipPaths& ships, std::string& errors) {
  bool ok = true;
  for (const MoverSpec& ship : shot.ships) {
    size_t depth = 0;
    for (const MoverSpec* s = &ship; !s->leader.empty(); s = ships.Find(s->leader)) {
      if (!ships.Known(s->leader) || ++depth > shot.ships.size()) {
        errors += "ship " + ship.name + ": unknown or circular leader " + s->leader + "\n";
        ok = false;
        break;
      }
    }
  }
  return ok;
}

Vec3 CameraTarget(const MoverSpec& camera, const Curve& path, const Curve* look,
                  const ShipPaths& ships, float t, float s) {
  switch (camera.look.kind) {
    case LookSpec::Ship: return Add(ships.At(camera.look.ship, t).position, camera.look.offset);
    case LookSpec::Ahead: return Add(path.Position(s), path.Direction(s));
    case LookSpec::Points: break;
  }
  return look ? look->Position(s) : camera.look.points.front();
}

}  // namespace

std::vector<float> KeyTimes(const Shot& shot) {
  float step = shot.step > 0 ? shot.step : kDefaultStep;
  int intervals = std::max(1, int(std::lround(shot.length / step)));
  std::vector<float> times;
  for (int i = 0; i <= intervals; ++i) times.push_back(shot.length * float(i) / float(intervals));
  return times;
}

bool BuildShot(const Shot& shot, ViewExtent view, BuiltShot& built, std::string& errors) {
  built = BuiltShot{};
  const size_t errorsBefore = errors.size();
  const MoverSpec& camera = shot.camera;
  const bool following = !camera.leader.empty();
  std::string problem = following ? "" : PathProblem(camera.path);
  if (!problem.empty()) errors += "camera: " + problem + "\n";
  if (camera.look.kind == LookSpec::Points && camera.look.points.empty()) {
    errors += "camera: no look target\n";
  }
  if (shot.length <= 0) errors += "the shot has no length\n";
  ShipPaths ships(shot, errors);
  if (camera.look.kind == LookSpec::Ship && !ships.Known(camera.look.ship)) {
    errors += "camera: looks at unknown ship " + camera.look.ship + "\n";
  }
  if (following && !ships.Known(camera.leader)) errors += "camera: follows unknown ship " + camera.leader + "\n";
  if (following && camera.look.kind == LookSpec::Ahead) errors += "camera: a following camera needs a target\n";
  if (!LeadersKnown(shot, ships, errors) || errors.size() != errorsBefore) return false;

  PathSpec still;  // a following camera has no path of its own
  still.points = {Vec3{0, 0, 0}, Vec3{1, 0, 0}};
  Curve path(following ? still : camera.path);
  std::unique_ptr<Curve> look;
  if (camera.look.kind == LookSpec::Points && camera.look.points.size() >= 2) {
    PathSpec lookPath;
    lookPath.points = camera.look.points;
    look = std::make_unique<Curve>(lookPath);
  }
  for (float t : KeyTimes(shot)) {
    float s = EaseInOut(t / shot.length, camera.easeIn, camera.easeOut);
    Vec3 eye = following ? InSlot(ships.At(camera.leader, t), Lerp(camera.slot, camera.slotEnd, s)).position
                         : path.Position(s);
    Vec3 target = CameraTarget(camera, path, look.get(), ships, t, s);
    Quat q = FrameTarget(eye, target, Mix(camera.frameU, s), Mix(camera.frameV, s),
                         Mix(camera.roll, s), view);
    built.camera.keys.push_back(MakeKey(t, eye, q, built.camera.keys));
  }
  for (const MoverSpec& ship : shot.ships) {
    BuiltTrack track{ship.name, {}};
    for (float t : KeyTimes(shot)) {
      Pose pose = ships.At(ship.name, t);
      Quat q = Heading(pose.forward, Mix(ship.roll, t / shot.length));
      track.keys.push_back(MakeKey(t, pose.position, q, track.keys));
    }
    built.ships.push_back(std::move(track));
  }
  return true;
}
