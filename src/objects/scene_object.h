// SceneObject: everything drawn in a world (sky spheres, billboards, flares,
// meshes, engine flames, particle streams). Objects are built once while
// loading, owned by exactly one ObjectList, and live until the run ends.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "base/keyframes.h"
#include "base/math.h"

class ScriptReader;
struct CameraView;
struct ObjectContext;

class SceneObject {
 public:
  explicit SceneObject(const ObjectContext& context) : context(context) {}
  SceneObject(const SceneObject&) = delete;
  SceneObject& operator=(const SceneObject&) = delete;
  virtual ~SceneObject() = default;

  // Draws the object as the camera sees it (eye, look, position).
  virtual void Render(const CameraView& camera) = 0;
  // Advances the object's own animation by dt seconds of real time.
  virtual void Update(double dt) = 0;

  Vec3 position{0, 0, 0};
  Vec3 look{0, 0, 1};   // first orientation axis, read by children
  Vec3 right{1, 0, 0};  // second orientation axis
  KeyframeTrack track;  // filled by the scene script; empty at load
  uint32_t texture = 0;   // GL texture name of the first texture
  uint32_t texture2 = 0;  // meshes: the second (detail) texture
  char name[15] = {};     // at most 14 characters
  bool hasTexture = false;
  bool hasTexture2 = false;
  bool active = true;

 protected:
  // A "texture %s" line: loads the archive picture into texture (a new
  // texture every time) and sets hasTexture, whether or not the load worked.
  void ReadTextureLine(const ScriptReader& reader);

  const ObjectContext& context;
};

// Owns its objects, in file order; objects are appended, never removed.
using ObjectList = std::vector<std::unique_ptr<SceneObject>>;
// Refers to objects owned elsewhere: the per-frame draw lists.
using ObjectRefs = std::vector<SceneObject*>;

// The first object of list, from index first on, whose name equals name
// (whole string, case-sensitive); null when there is none or name is empty.
// Only spheres and meshes carry names. Parents and scene scripts find
// objects this way.
SceneObject* FindObject(const ObjectList& list, const char* name, size_t first = 0);
