// Scene scripts: LoadScene and the keywords of a script.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "director/director_context.h"
#include "director/keyframe_track.h"
#include "director/scene_director.h"
#include "assets/resources.h"
#include "base/debug_log.h"
#include "base/script_reader.h"
#include "settings/settings.h"

namespace {

constexpr float DefaultRandomValue = 1.9f;
constexpr int32_t SuccessorCounterMax = 10;
constexpr size_t PathCapacity = sizeof(SceneDirector::sceneDir) + sizeof(SceneDirector::sceneFile);

// One script being read: what its lines act on.
struct SceneLoad {
  SceneDirector& director;
  ScriptReader& reader;
  const DirectorContext& context;
  float randomValue = DefaultRandomValue;
};

using Word = char[16];  // a world or object name in a scene line

void LogUnknown(const SceneLoad& load, const char* kind, const char* name) {
  load.context.log->Write(load.reader.Where()).Write("unknown ").Write(kind).Write(" <").Write(name).Write(">");
  load.context.log->EndStep();
}

void ComposePath(const SceneDirector& director, char (&path)[PathCapacity]) {
  std::snprintf(path, sizeof path, "%s%s", director.sceneDir, director.sceneFile);
}

template <size_t N>
void CopyText(char (&destination)[N], const char* source) {
  std::snprintf(destination, N, "%s", source);
}

// The integer part of the random value, as a valid choice count: negative,
// huge and non-numeric values are clamped rather than converted.
int32_t ChoiceCount(float randomValue) {
  if (!(randomValue >= 1)) return 0;
  if (randomValue >= float(SuccessorCounterMax)) return SuccessorCounterMax;
  return int32_t(randomValue);
}

bool GalaxyOn(const SceneLoad& load) { return load.context.settings->Galaxy; }

void Next(SceneLoad& load, const char* pattern) {
  Word word;
  if (load.reader.Scan(pattern, word) != 1) return;
  int32_t index = load.director.PickSuccessor(ChoiceCount(load.randomValue));
  std::snprintf(load.director.sceneFile, sizeof load.director.sceneFile, "%s%d.txt", word,
                int(index));
}

void ChangeWorld(SceneLoad& load, const char* pattern) {
  Word word;
  if (load.reader.Scan(pattern, word) != 1) return;
  World* world = FindWorld(*load.context.worlds, word);
  if (!world) return LogUnknown(load, "world", word);
  load.director.pendingWorld = world;
  CopyText(load.director.sceneDir, world->sceneDir);
}

void SetRandom(SceneLoad& load, const char* pattern) {
  float value;
  if (load.reader.Scan(pattern, value) == 1) load.randomValue = value + 0.9f;
}

void Cycle(SceneDirector& director) {
  if (++director.successorCounter > SuccessorCounterMax) director.successorCounter = 0;
}

void CameraKeyframes(SceneLoad& load) {
  ParseKeyframes(load.director.track, load.reader);
  PrepareTrack(load.director.track);
}

void CrossLook(SceneLoad& load) {
  Word from, to;
  float distance = load.director.crossDistance;
  if (load.reader.Scan("crosslook %s %s %f", from, to, distance) < 2) return;
  SceneObject* fromObject = FindDynamicObject(*load.context.dynamicObjects, from);
  SceneObject* toObject = FindDynamicObject(*load.context.dynamicObjects, to);
  if (!fromObject) return LogUnknown(load, "object", from);
  if (!toObject) return LogUnknown(load, "object", to);
  load.director.crossFrom = fromObject;
  load.director.crossTo = toObject;
  load.director.crossDistance = distance;
}

void Orient(SceneLoad& load) {
  Word word;
  if (load.reader.Scan("orient %s", word) != 1) return;
  SceneObject* target = FindDynamicObject(*load.context.dynamicObjects, word);
  if (!target) return LogUnknown(load, "object", word);
  load.director.orientTarget = target;
}

// The keyframe block after "set" is always read, so that the keys of an
// unknown object never end up on the camera's track.
void SetObjectTrack(SceneLoad& load) {
  Word word = {};
  SceneObject* object = load.reader.Scan("set %s", word) == 1
                            ? FindDynamicObject(*load.context.dynamicObjects, word)
                            : nullptr;
  KeyframeTrack discarded;
  KeyframeTrack& track = object ? object->track : discarded;
  if (object) {
    object->active = true;
  } else {
    LogUnknown(load, "object", word);
  }
  ParseKeyframes(track, load.reader);
  PrepareTrack(track);
}

void SetFade(SceneLoad& load, const char* pattern, FadeKind kind) {
  FadeWindow& fade = load.director.fades[kind];
  load.reader.Scan(pattern, fade.start, fade.end);
}

void ExpFog(SceneLoad& load) {
  load.director.view.sceneFog = true;
  float density;
  if (load.reader.Scan("expfog %f", density) == 1) load.context.fog->SetExponential(density);
}

void LineFog(SceneLoad& load) {
  load.director.view.sceneFog = true;
  float start, end;
  if (load.reader.Scan("linefog %f %f", start, end) == 2) load.context.fog->SetLinear(start, end);
}

void FogColour(SceneLoad& load) {
  load.director.view.sceneFog = true;
  Vec3 c;
  if (load.reader.Scan("fogcolor V(%f %f %f)", c.x, c.y, c.z) == 3) load.context.fog->SetColour(c);
}

struct Keyword {
  const char* text;
  void (*apply)(SceneLoad& load);
};

// In the order every line is tested against them.
const Keyword kKeywords[] = {
    {"next", [](SceneLoad& l) { Next(l, "next %s"); }},
    {"world", [](SceneLoad& l) { ChangeWorld(l, "world %s"); }},
    {"regnext", [](SceneLoad& l) { if (GalaxyOn(l)) Next(l, "regnext %s"); }},
    {"regworld", [](SceneLoad& l) { if (GalaxyOn(l)) ChangeWorld(l, "regworld %s"); }},
    {"reset", [](SceneLoad& l) { l.director.ClearTargets(); }},
    {"cycle", [](SceneLoad& l) { Cycle(l.director); }},
    {"KEYFRAMES", CameraKeyframes},
    {"crosslook", CrossLook},
    {"orient", Orient},
    {"set", SetObjectTrack},
    {"random", [](SceneLoad& l) { SetRandom(l, "random %f"); }},
    {"regrandom", [](SceneLoad& l) { if (GalaxyOn(l)) SetRandom(l, "regrandom %f"); }},
    {"fback", [](SceneLoad& l) { SetFade(l, "fback %f %f", FadeInFromBlack); }},
    {"fout", [](SceneLoad& l) { SetFade(l, "fout %f %f", FadeOutToBlack); }},
    {"wback", [](SceneLoad& l) { SetFade(l, "wback %f %f", FadeInFromWhite); }},
    {"wout", [](SceneLoad& l) { SetFade(l, "wout %f %f", FadeOutToWhite); }},
    {"expfog", ExpFog},
    {"linefog", LineFog},
    {"fogcolor", FogColour},
    {"soff", [](SceneLoad& l) { l.director.dustVisible = false; }},
};

void ReadScene(SceneLoad& load) {
  if (!load.reader.SkipTo("scene", nullptr)) return;
  while (load.reader.NextInBlock("end")) {
    for (const Keyword& keyword : kKeywords)
      if (load.reader.StartsWith(keyword.text)) keyword.apply(load);
  }
}

void DeactivateDynamicObjects(ObjectList& objects) {
  for (auto& object : objects) {
    ClearTrack(object->track);
    object->active = false;
  }
}

}  // namespace

SceneStatus SceneDirector::LoadScene(const DirectorContext& context) {
  ResetScene();
  ScriptReader reader;
  SceneStatus status = SceneStatus::Ok;
  bool opened = OpenScript(reader, context, status);
  DeactivateDynamicObjects(*context.dynamicObjects);
  if (!opened) {
    holding = true;
    return status;
  }
  char path[PathCapacity];
  ComposePath(*this, path);
  CopyText(loadedScene, path);
  ++sceneLoads;
  const int32_t counterAtLoad = successorCounter;
  SceneLoad load{*this, reader, context};
  ReadScene(load);
  reader.Close();
  NoteTrackOutcome(path, counterAtLoad, *context.log);
  return status;
}

void SceneDirector::ResetScene() {
  ClearTrack(track);
  ClearTargets();
  finished = false;
  view.sceneFog = false;
  dustVisible = true;
  for (FadeWindow& fade : fades) fade = FadeWindow{};
  if (pendingWorld) {
    currentWorld = pendingWorld;
    pendingWorld = nullptr;
  }
}

bool SceneDirector::OpenCurrent(ScriptReader& reader, const DirectorContext& context) {
  char path[PathCapacity];
  ComposePath(*this, path);
  if (!context.resources->OpenScript(path, reader)) return false;
  lastOpened_.world = currentWorld;
  CopyText(lastOpened_.sceneDir, sceneDir);
  CopyText(lastOpened_.sceneFile, sceneFile);
  return true;
}

bool SceneDirector::OpenScript(ScriptReader& reader, const DirectorContext& context, SceneStatus& status) {
  if (OpenCurrent(reader, context)) return true;
  char path[PathCapacity];
  ComposePath(*this, path);
  context.log->Write("Scene <").Write(path).Write("> ...failed!");
  context.log->EndStep();
  if (std::find(reportedMissing_.begin(), reportedMissing_.end(), path) == reportedMissing_.end()) {
    reportedMissing_.push_back(path);
    unopenedScript = path;
    status = SceneStatus::ScriptNotOpened;
  }
  return OpenFallback(reader, context);
}

// The current world's start scene, else the last script that opened (in the
// world it was played in).
bool SceneDirector::OpenFallback(ScriptReader& reader, const DirectorContext& context) {
  if (currentWorld && (std::strcmp(sceneDir, currentWorld->sceneDir) != 0 ||
                       std::strcmp(sceneFile, "scene0.txt") != 0)) {
    CopyText(sceneDir, currentWorld->sceneDir);
    CopyText(sceneFile, "scene0.txt");
    if (OpenCurrent(reader, context)) return true;
  }
  if (!lastOpened_.sceneFile[0]) return false;
  const OpenedScript last = lastOpened_;
  currentWorld = last.world;
  CopyText(sceneDir, last.sceneDir);
  CopyText(sceneFile, last.sceneFile);
  return OpenCurrent(reader, context);
}

// A scene whose track cannot be flown finishes at once; coming back to the
// same script in the same state means the scripts form a loop with no
// playable scene, so the flight holds still instead of reloading them.
void SceneDirector::NoteTrackOutcome(const char* path, int32_t counterAtLoad, DebugLog& log) {
  if (track.size() >= 2) {
    unplayableLoads_.clear();
    return;
  }
  for (const UnplayableLoad& load : unplayableLoads_) {
    if (load.path == path && load.counter == counterAtLoad && load.world == currentWorld) {
      holding = true;
      log.Write("Scene <").Write(path).Write(">: no playable scene follows, holding still");
      log.EndStep();
      return;
    }
  }
  unplayableLoads_.push_back({path, counterAtLoad, currentWorld});
}

void SceneDirector::ClearTargets() {
  orientTarget = nullptr;
  crossFrom = nullptr;
  crossTo = nullptr;
}

int32_t SceneDirector::PickSuccessor(int32_t n) const {
  if (n <= 0) return 0;
  int32_t value = successorCounter;
  while (value > n) value -= n + 1;
  return value;
}

SceneObject* FindDynamicObject(const ObjectList& dynamicObjects, const char* name) {
  for (const auto& object : dynamicObjects)
    if (std::strcmp(object->name, name) == 0) return object.get();
  return nullptr;
}
