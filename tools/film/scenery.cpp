#include "tools/film/scenery.h"

#include <cmath>
#include <cstring>
#include <sstream>

#include "assets/mesh_file.h"
#include "base/script_reader.h"
#include "tools/common/file_bytes.h"
#include "tools/film/film.h"

namespace {

// The lines of a text member, as the script reader would see them: leading
// blanks and carriage returns dropped.
bool ReadLines(const std::string& folder, const std::string& member, std::vector<std::string>& lines) {
  std::optional<std::string> text = ReadFileText(DiskPath(folder, member));
  if (!text) return false;
  std::istringstream in(*text);
  for (std::string line; std::getline(in, line);) {
    line.erase(0, line.find_first_not_of(" \t"));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return true;
}

bool Starts(const std::string& line, const char* keyword) { return line.compare(0, std::strlen(keyword), keyword) == 0; }

template <typename... Fields>
int Scan(const std::string& line, const char* pattern, Fields&... fields) {
  const script_fields::Field slots[] = {script_fields::Of(fields)..., {}};
  return script_fields::Scan(line.c_str(), pattern, slots, sizeof...(Fields));
}

constexpr uint32_t kShapePoints = 400;  // enough for a silhouette's extent

// A mesh's vertices about its origin, which it is placed, turned and scaled
// about, and the largest distance of one from it.
bool MeshShape(const std::string& archiveFolder, const std::string& artFolder, const std::string& member,
               ShipShape& shape, std::string& errors) {
  std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(DiskPath(archiveFolder, member));
  if (!bytes) bytes = ReadFileBytes(DiskPath(artFolder, member));
  if (!bytes) {
    errors += member + ": no such mesh under " + archiveFolder + " or " + artFolder + "\n";
    return false;
  }
  MeshFile mesh;
  MeshCheck check = ParseMeshFile(bytes->data(), bytes->size(), mesh);
  if (!check.ok) {
    errors += member + ": " + check.problem + "\n";
    return false;
  }
  shape = ShipShape{};
  const uint32_t stride = mesh.vertexCount / kShapePoints + 1;
  for (uint32_t i = 0; i < mesh.vertexCount; ++i) {
    const Vec3 p{mesh.x[i], mesh.y[i], mesh.z[i]};
    shape.radius = std::fmax(shape.radius, Length(p));
    if (i % stride == 0) shape.points.push_back(p);
  }
  return true;
}

// A card is known by its picture: "textures\\galaxy_blue.jpg" is galaxy_blue.
std::string CardName(const std::string& texture) {
  std::string name = texture.substr(texture.find_last_of('\\') + 1);
  return name.substr(0, name.find('.'));
}

// One block of an object file, as far as its size and place go.
struct Block {
  std::string kind, name;
  Vec3 position{0, 0, 0};
  float radius = 0, size = 0, scale = 1;
  bool env = false, parented = false, fixed = false;
  std::string texture;
};

class ObjectReader {
 public:
  ObjectReader(const std::string& archiveFolder, const std::string& artFolder, std::string& errors)
      : archive_(archiveFolder), art_(artFolder), errors_(errors) {}

  // The bodies of one object file; meshes keep their names in meshes.
  bool Read(const std::string& member, std::vector<Body>& bodies, std::map<std::string, ShipShape>* meshes) {
    std::vector<std::string> lines;
    if (!ReadLines(archive_, member, lines)) {
      errors_ += member + ": cannot be read under " + archive_ + "\n";
      return false;
    }
    bool ok = true;
    ShipShape shape;
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      if (Starts(line, "ENDWORLD")) break;
      if (Starts(line, "geometry")) {
        char path[ScriptReader::LineCapacity] = {};
        ok = Scan(line, "geometry %s", path) == 1 && MeshShape(archive_, art_, path, shape, errors_) && ok;
        continue;
      }
      for (const char* kind : {"sphere", "billboard", "mesh"}) {
        if (!Starts(line, kind)) continue;
        Block block = ReadBlock(kind, lines, i);
        if (block.kind == "mesh" && meshes) (*meshes)[block.name] = Scaled(shape, block.scale);
        if (block.kind == "mesh" && !meshes)
          bodies.push_back({block.name, block.position, shape.radius * block.scale, false});
        if (block.kind == "sphere" && !block.env) bodies.push_back({block.name, block.position, block.radius, false});
        if (block.kind == "billboard" && block.fixed && !block.parented && !block.env)
          bodies.push_back({CardName(block.texture), block.position, block.size, true});
        break;
      }
    }
    return ok;
  }

 private:
  static ShipShape Scaled(ShipShape shape, float scale) {
    shape.radius *= scale;
    for (Vec3& p : shape.points) p = Scale(p, scale);
    return shape;
  }
  static Block ReadBlock(const char* kind, const std::vector<std::string>& lines, size_t& i) {
    Block block;
    block.kind = kind;
    while (++i < lines.size() && !Starts(lines[i], "begin")) {
    }
    if (i < lines.size()) {
      char name[15] = {};
      if (Scan(lines[i], "begin %s", name) == 1) block.name = name;
    }
    while (++i < lines.size() && !Starts(lines[i], "end")) {
      const std::string& line = lines[i];
      if (Starts(line, "position")) Scan(line, "position V(%f %f %f)", block.position.x, block.position.y, block.position.z);
      if (Starts(line, "radius")) Scan(line, "radius %f", block.radius);
      if (Starts(line, "size")) Scan(line, "size %f", block.size);
      if (Starts(line, "scale")) Scan(line, "scale %f", block.scale);
      if (Starts(line, "env")) block.env = true;
      if (Starts(line, "parent")) block.parented = true;
      if (Starts(line, "orient off")) block.fixed = true;
      char path[ScriptReader::LineCapacity] = {};
      if (Starts(line, "texture") && Scan(line, "texture %s", path) == 1) block.texture = path;
    }
    return block;
  }

  std::string archive_, art_;
  std::string& errors_;
};

}  // namespace

bool LoadScenery(const std::string& archiveFolder, const std::string& artFolder, Scenery& scenery,
                 std::string& errors) {
  scenery = Scenery{};
  std::vector<std::string> lines;
  if (!ReadLines(archiveFolder, "worlds.txt", lines)) {
    errors += archiveFolder + ": no worlds.txt\n";
    return false;
  }
  ObjectReader reader(archiveFolder, artFolder, errors);
  bool ok = true;
  std::string world;
  for (const std::string& line : lines) {
    char word[ScriptReader::LineCapacity] = {};
    if (Starts(line, "world") && Scan(line, "world %s", word) == 1) world = word;
    if (Starts(line, "objects") && Scan(line, "objects %s", word) == 1 && !world.empty())
      ok = reader.Read(word, scenery.worlds[world], nullptr) && ok;
  }
  std::vector<Body> none;
  return reader.Read("dynamic.txt", none, &scenery.ships) && ok;
}
