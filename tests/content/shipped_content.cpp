#include "content/shipped_content.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "assets/archive/archive_writer.h"
#include "base/debug_log.h"

namespace fs = std::filesystem;

namespace content {
namespace {

std::string ArchiveName(const fs::path& relative) {
  std::string name = relative.generic_string();
  std::replace(name.begin(), name.end(), '/', '\\');
  return name;
}

std::vector<uint8_t> Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text members win over generated files of the same name.
std::vector<uint8_t> PackShipped() {
  std::map<std::string, fs::path> members;
  for (const fs::path& folder : {ArtFolder(), TextFolder()}) {
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      if (entry.is_regular_file()) members[ArchiveName(fs::relative(entry.path(), folder))] = entry.path();
    }
  }
  ArchiveWriter writer;
  for (const auto& [name, path] : members) writer.AddStored(name, Bytes(path));
  return writer.Finish();
}

}  // namespace

fs::path TextFolder() { return fs::path(QV_SOURCE_DIR) / "resources" / "archive"; }
fs::path ArtFolder() { return fs::path(QV_CONTENT_DIR) / "archive"; }
fs::path ShotFolder() { return fs::path(QV_SOURCE_DIR) / "resources" / "shots"; }

bool MemberExists(const std::string& archivePath) {
  std::string relative = archivePath;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const bool folder = !relative.empty() && relative.back() == '/';
  for (const fs::path& root : {TextFolder(), ArtFolder()}) {
    fs::path path = root / relative;
    if (folder ? fs::is_directory(path) : fs::is_regular_file(path)) return true;
  }
  return false;
}

std::vector<std::string> SceneScripts() {
  std::vector<std::string> scripts;
  for (const auto& entry : fs::recursive_directory_iterator(TextFolder())) {
    if (entry.is_regular_file() && entry.path().parent_path().filename() == "scenes")
      scripts.push_back(ArchiveName(fs::relative(entry.path(), TextFolder())));
  }
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

Flight::Flight(bool withObjects) {
  static const std::vector<uint8_t> archive = PackShipped();
  resources.SetArchive(archive);
  settings.Width = 800;
  settings.Height = 600;
  debugLog.SetDestination(&log);
  objectContext = {&settings, &aspect, &random, &director.view, &render, nullptr};
  context = {&settings, &worlds, &dynamicObjects, &random, &resources.resources(), &debugLog, &recorder};
  ObjectFileLoader load = [](ObjectList&, const char*) {};
  if (withObjects) {
    parser = std::make_unique<ObjectFileParser>(objectContext);
    load = [this](ObjectList& list, const char* path) { parser->LoadObjectFile(list, path); };
  }
  LoadEnvironments(environments, "env.txt", resources.resources(), debugLog, load);
  LoadWorlds(worlds, "worlds.txt", environments, resources.resources(), debugLog, load);
  if (withObjects) parser->LoadObjectFile(dynamicObjects, "dynamic.txt");
}

void Flight::Load(World& world, const std::string& file) {
  director.pendingWorld = &world;
  std::snprintf(director.sceneDir, sizeof director.sceneDir, "%s", world.sceneDir);
  std::snprintf(director.sceneFile, sizeof director.sceneFile, "%s", file.c_str());
  if (director.LoadScene(context) == SceneStatus::ScriptNotOpened) unopened.push_back(director.unopenedScript);
}

bool Flight::LoadScript(const std::string& archivePath) {
  const size_t slash = archivePath.rfind('\\') + 1;
  for (auto& world : worlds) {
    if (archivePath.compare(0, slash, world->sceneDir) != 0 || std::strlen(world->sceneDir) != slash) continue;
    Load(*world, archivePath.substr(slash));
    return true;
  }
  return false;
}

HeadlessPlatform& LoadedPlatform() {
  static FakeResources noResources;
  static MemorySettingsStore store;
  static HeadlessPlatform platform(noResources, store);
  static const bool window = platform.CreateFlightWindow({0, 0, 320, 240}, 320, 240, 0);
  if (!window) ADD_FAILURE() << "no headless window with a GL context";
  return platform;
}

Flight& LoadedFlight() {
  LoadedPlatform();
  static Flight flight(true);
  return flight;
}

}  // namespace content
