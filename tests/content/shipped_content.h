// The shipped content for the content tests: the archive packed in memory
// from the text members in resources/archive and the art the generators
// wrote into the build tree, and a flight loaded from it for real (every
// environment, world and dynamic object through the screensaver's own
// parser, on the headless GL context).
#pragma once
#include <filesystem>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

#include "director/director_context.h"
#include "base/random.h"
#include "director/registries.h"
#include "director/scene_director.h"
#include "objects/object_context.h"
#include "render/render_resources.h"
#include "objects/object_file.h"
#include "platform/headless/headless_platform.h"
#include "settings/memory_settings_store.h"
#include "base/message_sink.h"
#include "settings/settings.h"
#include "support/fake_resources.h"

namespace content {

std::filesystem::path TextFolder();  // resources/archive
std::filesystem::path ArtFolder();   // the generated art in the build tree
std::filesystem::path ShotFolder();  // resources/shots

// The archive member at this path lies in one of the two folders: a file,
// or (for a path ending in a backslash) a folder.
bool MemberExists(const std::string& archivePath);
// Every scene script under the scene folders, as archive paths.
std::vector<std::string> SceneScripts();

// Fog calls, recorded.
struct Recorder : FogControl {
  std::vector<std::string> fog;
  void SetExponential(float density) override { fog.push_back("exp " + std::to_string(density)); }
  void SetLinear(float start, float end) override {
    fog.push_back("linear " + std::to_string(start) + " " + std::to_string(end));
  }
  void SetColour(Vec3 c) override {
    fog.push_back("colour " + std::to_string(c.x) + " " + std::to_string(c.y) + " " + std::to_string(c.z));
  }
};

// The registries and a director over the shipped archive. With objects,
// every object file is parsed into real objects (the GL context must be
// current); without, the worlds carry only their names and scene folders.
class Flight {
 public:
  explicit Flight(bool withObjects);

  // Makes world current and loads one of its scripts, as a scene change to
  // it would; a script that does not open is added to unopened.
  void Load(World& world, const std::string& file);
  // Loads the script at this archive path into the world whose scene folder
  // holds it; false when no world's folder does.
  bool LoadScript(const std::string& archivePath);

  FakeResources resources;
  std::ostringstream log;  // the start-up log
  DebugLog debugLog;
  GlExtensions gl;
  RenderResources render{resources.resources(), debugLog, gl};
  std::vector<std::string> unopened;
  Settings settings;
  ViewAspect aspect;
  RandomGenerator random;
  Recorder recorder;
  SceneDirector director;
  ObjectContext objectContext;
  std::unique_ptr<ObjectFileParser> parser;
  EnvironmentList environments;
  WorldList worlds;
  ObjectList dynamicObjects;
  DirectorContext context;
};

// The headless platform whose 320 x 240 window carries the GL context of
// LoadedFlight, made once for the whole test program.
HeadlessPlatform& LoadedPlatform();
// A flight with every object loaded, made once for the whole test program
// on that window.
Flight& LoadedFlight();

}  // namespace content
