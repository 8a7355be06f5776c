// SceneDirector: the scene state that scripts set, the camera that flies the
// current scene's track, and the scene-wide values the frame reads (fades,
// fog, the dust switch, the scene clock, the current world).
//
// The host drives it in this order: StartFlight once the registries and the
// dynamic objects are loaded; then every frame AdvanceFrame, the objects'
// updates and ApplyCameraTargets; the frame is drawn from the view.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/keyframes.h"
#include "base/math.h"
#include "objects/scene_object.h"
#include "render/camera_view.h"
#include "render/fades.h"

class DebugLog;
class ScriptReader;
struct Settings;
struct DirectorContext;
struct World;

// What a scene load tells the host: a script that could not be opened is
// told once per path (unopenedScript holds it); the host says so.
enum class SceneStatus { Ok, ScriptNotOpened };

class SceneDirector {
 public:
  // The start of the flight: draws the start scene, the start world and the
  // successor counter, loads the scene and, with Galaxy off, marks it
  // finished so that the first frame moves on to its successor.
  SceneStatus StartFlight(const DirectorContext& context);
  // Starts instead with one given script of one world (for looking at a
  // single scene).
  SceneStatus StartAt(const DirectorContext& context, World& world, const char* file);
  // Advances the scene clock by dt real seconds at the flight's speed,
  // evaluates the camera and, when the track has run out, loads the next
  // scene and evaluates the camera again.
  SceneStatus AdvanceFrame(double dt, const DirectorContext& context);

  // Loads sceneDir + sceneFile and applies it, replacing everything the
  // previous scene set. A script that cannot be opened is reported once;
  // the flight carries on with the current world's "scene0.txt", else with
  // the last script that opened, else holds still.
  SceneStatus LoadScene(const DirectorContext& context);
  void ClearTargets();
  // The file index "next" appends for the integer part n of the random
  // value: 0..n, chosen by successorCounter.
  int32_t PickSuccessor(int32_t n) const;

  // Evaluates the camera track at sceneClock. The end of the track resets
  // the clock and marks the scene finished; so does a track with fewer than
  // two keys (the camera takes the one key's pose, if any), unless holding.
  void UpdateCamera();
  // Applies "orient" and "crosslook" to the camera, from the targets'
  // positions of this frame; then the eye is the camera position.
  void ApplyCameraTargets();

  // Camera: it looks along its own +x axis with its own +z axis up. The
  // view also carries the scene clock and the scene's fog switch.
  CameraView view;
  Vec3 up{0, 1, 0};
  Quat orientation{0, 0, 0, 1};
  double sceneTime = 0;  // scene time of this frame's evaluation

  // Scene state set by scripts.
  char sceneDir[200] = {};  // ends in a backslash
  char sceneFile[32] = {};
  KeyframeTrack track;
  World* pendingWorld = nullptr;  // becomes current at the next scene load
  SceneObject* orientTarget = nullptr;
  SceneObject* crossFrom = nullptr;
  SceneObject* crossTo = nullptr;
  float crossDistance = 0;
  bool finished = false;  // the track has run out

  // Scene-wide values.
  FadeWindow fades[FadeKindCount];
  bool dustVisible = true;  // the dust field is drawn this scene
  int32_t successorCounter = 0;
  World* currentWorld = nullptr;
  float speedFactor = 1;  // scene seconds per real second, fixed at the start
  // No playable scene can be loaded (nothing opens, or the flight is caught
  // in a loop of scripts with no usable track): the camera stays still and
  // no further scene is asked for.
  bool holding = false;
  // The script the current scene was read from, and how many scenes have
  // been read (for logs and tools).
  char loadedScene[232] = {};
  uint32_t sceneLoads = 0;
  std::string unopenedScript;  // the last script reported as not opened

 private:
  // A script that opened, to return to when a successor is missing.
  struct OpenedScript {
    World* world = nullptr;
    char sceneDir[200] = {};
    char sceneFile[32] = {};
  };
  // One load of a script without a usable track.
  struct UnplayableLoad {
    std::string path;
    int32_t counter;
    const World* world;
  };

  void StartClock(const Settings& settings);
  void ResetScene();
  bool OpenScript(ScriptReader& reader, const DirectorContext& context, SceneStatus& status);
  bool OpenFallback(ScriptReader& reader, const DirectorContext& context);
  bool OpenCurrent(ScriptReader& reader, const DirectorContext& context);
  void NoteTrackOutcome(const char* path, int32_t counterAtLoad, DebugLog& log);
  void SetViewFromOrientation();

  OpenedScript lastOpened_;
  std::vector<std::string> reportedMissing_;
  std::vector<UnplayableLoad> unplayableLoads_;  // since the last playable scene
};

// The first dynamic object named exactly name, or null.
SceneObject* FindDynamicObject(const ObjectList& dynamicObjects, const char* name);
