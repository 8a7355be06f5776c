#include "objects/object_file.h"

#include <cstring>

#include "base/script_reader.h"
#include "objects/billboard.h"
#include "objects/flame.h"
#include "objects/flare.h"
#include "objects/mesh_object.h"
#include "objects/object_block.h"
#include "objects/object_context.h"
#include "objects/particle_system.h"
#include "objects/sphere.h"
#include "render/mesh_geometry.h"

struct ObjectFileParser::State {
  explicit State(const ObjectContext& context) : context(context) {}

  const ObjectContext& context;
  ScriptReader reader;  // one reader for every file of the run
  MeshGeometry envGeometry, sphereGeometry, currentGeometry;

  void Progress() const {
    if (context.loadProgress) context.loadProgress();
  }

  // Reads one block after its kind keyword: skips to "begin", makes the
  // object, passes every line up to and including "end" to it, and appends
  // it once "end" has been read. Only spheres and meshes keep the word after
  // "begin" as their name.
  template <typename Kind, typename Make>
  void ReadBlock(ObjectList& list, size_t fileStart, bool keepsName, Make make) {
    if (!reader.SkipTo("begin", nullptr)) return;
    std::unique_ptr<Kind> object = make();
    if (keepsName && std::strlen(reader.line()) > std::strlen("begin")) reader.Scan("begin %s", object->name);
    BlockScope scope{reader, list, fileStart, envGeometry, sphereGeometry, currentGeometry};
    while (reader.NextInBlock("end")) object->ReadProperty(scope);
    if (!reader.StartsWith("end")) return;  // the data ended inside the block
    list.push_back(std::move(object));
    Progress();
  }

  // Acts on one top-level line; false at the end of the file.
  bool ReadTopLevel(ObjectList& list, size_t fileStart) {
    const ObjectContext& c = context;
    if (reader.StartsWith("sphere"))
      ReadBlock<Sphere>(list, fileStart, true, [&] { return std::make_unique<Sphere>(c, sphereGeometry); });
    else if (reader.StartsWith("billboard"))
      ReadBlock<Billboard>(list, fileStart, false, [&] { return std::make_unique<Billboard>(c); });
    else if (reader.StartsWith("flare"))
      ReadBlock<Flare>(list, fileStart, false, [&] { return std::make_unique<Flare>(c); });
    else if (reader.StartsWith("mesh"))
      ReadBlock<MeshObject>(list, fileStart, true,
                            [&] { return std::make_unique<MeshObject>(c, currentGeometry); });
    else if (reader.StartsWith("flame"))
      ReadBlock<Flame>(list, fileStart, false, [&] { return std::make_unique<Flame>(c); });
    else if (reader.StartsWith("ps"))
      ReadBlock<ParticleSystem>(list, fileStart, false, [&] { return std::make_unique<ParticleSystem>(c); });
    else if (reader.StartsWith("ENDWORLD"))
      return false;
    else if (reader.StartsWith("geometry"))
      ReadGeometry();
    return true;
  }

  void ReadGeometry() {
    char path[ScriptReader::LineCapacity] = {};
    if (reader.Scan("geometry %s", path) == 1) currentGeometry.LoadMesh(*context.render, path, true);  // meshes are drawn by size
    Progress();
  }
};

ObjectFileParser::ObjectFileParser(const ObjectContext& context)
    : state_(std::make_unique<State>(context)) {}

ObjectFileParser::~ObjectFileParser() = default;

void ObjectFileParser::LoadObjectFile(ObjectList& list, const char* path) {
  State& s = *state_;
  // Every file's spheres use lists compiled for that file.
  const RenderResources& render = *s.context.render;
  s.envGeometry.LoadMesh(render, "meshes\\env.dat");
  s.sphereGeometry.LoadMesh(render, "meshes\\sphere.dat");
  render.resources.OpenScript(path, s.reader);  // a missing member reads as an empty file
  if (render.pictures) render.pictures->ExpectNamedIn(s.reader.stream().data(), s.reader.stream().size());
  const size_t fileStart = list.size();
  while (s.reader.Next() && s.ReadTopLevel(list, fileStart)) {
  }
  s.reader.Close();
}
