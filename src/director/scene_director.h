// SceneDirector: the scene state that scripts set, the camera that flies the
// current scene's track, and the scene-wide values the frame reads (fades,
// fog, the dust switch, the scene clock, the current world).
#pragma once
#include <cstdint>

#include "director/keyframes.h"
#include "director/math.h"

class SceneObject;
struct World;

// A fade window in seconds of scene time; (-1, -1) is unset.
struct FadeWindow {
  float start = -1;
  float end = -1;
};

// The four windows, in the order the overlay draws them.
enum FadeKind { FadeOutToBlack, FadeInFromBlack, FadeOutToWhite, FadeInFromWhite, FadeKindCount };

class SceneDirector {
 public:
  // Camera: it looks along its own +x axis with its own +z axis up.
  Vec3 position{0, 0, 0};
  Vec3 eye{0, 0, 0};
  Vec3 look{0, 0, -1};
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
  bool sceneFog = false;
  bool dustVisible = true;  // the dust field is drawn this scene
  int32_t successorCounter = 0;
  float sceneClock = 0;  // seconds of scene time, reset when a track ends
  World* currentWorld = nullptr;
};
