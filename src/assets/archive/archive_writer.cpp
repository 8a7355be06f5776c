#include "assets/archive/archive_writer.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "assets/archive/archive_crc.h"
#include "assets/archive/archive_format.h"
#include "assets/archive/rar20_encoder.h"

using namespace archive;

namespace {

// 2024-01-01 00:00:00 as a DOS date and time.
constexpr uint32_t FixedFileTime = uint32_t((2024 - 1980) << 9 | 1 << 5 | 1) << 16;
constexpr uint8_t HostMsDos = 0;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The low 16 bits of the CRC-32 of a header from its third byte on.
void SealHeader(std::vector<uint8_t>& header) {
  uint32_t crc = Crc32().Of(header.data() + 2, header.size() - 2);
  header[0] = uint8_t(crc);
  header[1] = uint8_t(crc >> 8);
}

}  // namespace

void ArchiveWriter::AddDirectory(const std::string& name) {
  AddEntry(name, DirectoryFlags, DirectoryAttribute, StoredMethod, {}, {});
}

void ArchiveWriter::AddStored(const std::string& name, const std::vector<uint8_t>& data) {
  AddEntry(name, HasDataFlag, ArchiveAttribute, StoredMethod, data, data);
}

void ArchiveWriter::AddCompressed(const std::string& name, const std::vector<uint8_t>& data,
                                  const std::vector<uint8_t>& packed, bool continueSolid) {
  uint16_t flags = HasDataFlag | Dictionary1MiBFlag | (continueSolid ? SolidMemberFlag : 0);
  AddEntry(name, flags, ArchiveAttribute, NormalMethod, data, packed);
}

void ArchiveWriter::AddEntry(const std::string& name, uint16_t flags, uint32_t attributes,
                             uint8_t method, const std::vector<uint8_t>& data,
                             const std::vector<uint8_t>& stored) {
  std::vector<uint8_t> header;
  Put16(header, 0);
  header.push_back(FileBlockType);
  Put16(header, flags);
  Put16(header, uint32_t(BlockHeaderSize + name.size()));
  Put32(header, uint32_t(stored.size()));
  Put32(header, uint32_t(data.size()));
  header.push_back(HostMsDos);
  Put32(header, Crc32().Of(data.data(), data.size()));
  Put32(header, FixedFileTime);
  header.push_back(MaxUnpackVersion);
  header.push_back(method);
  Put16(header, uint32_t(name.size()));
  Put32(header, attributes);
  header.insert(header.end(), name.begin(), name.end());
  SealHeader(header);
  entries_.insert(entries_.end(), header.begin(), header.end());
  entries_.insert(entries_.end(), stored.begin(), stored.end());
}

std::vector<uint8_t> ArchiveWriter::Finish() {
  std::vector<uint8_t> out(Marker, Marker + MarkerSize);
  std::vector<uint8_t> main;
  Put16(main, 0);
  main.push_back(MainHeaderType);
  Put16(main, solid_ ? SolidArchiveFlag : 0);
  Put16(main, MainHeaderSize);
  Put16(main, 0);
  Put32(main, 0);
  SealHeader(main);
  out.insert(out.end(), main.begin(), main.end());
  out.insert(out.end(), entries_.begin(), entries_.end());
  std::vector<uint8_t> end;
  Put16(end, 0);
  end.push_back(EndBlockType);
  Put16(end, EndBlockFlags);
  Put16(end, EndBlockSize);
  SealHeader(end);
  out.insert(out.end(), end.begin(), end.end());
  return out;
}

namespace {

struct FolderEntry {
  std::string name;
  std::filesystem::path path;
  bool directory;
};

bool Fail(std::string* error, const std::string& message) {
  *error = message;
  return false;
}

bool CollectEntries(const std::filesystem::path& folder, std::vector<FolderEntry>* entries,
                    std::string* error) {
  std::error_code code;
  std::filesystem::recursive_directory_iterator it(folder, code), end;
  for (; !code && it != end; it.increment(code)) {
    const std::filesystem::directory_entry& entry = *it;
    std::string name;
    for (const auto& part : entry.path().lexically_relative(folder)) {
      std::string text = part.string();
      if (text.find('\\') != std::string::npos)
        return Fail(error, "a name holds a backslash: " + entry.path().string());
      name += (name.empty() ? "" : "\\") + text;
    }
    if (name.size() > MaxNameBytes)
      return Fail(error, "name longer than 259 bytes: " + entry.path().string());
    bool directory = entry.is_directory(code);
    if (directory && entry.is_symlink(code))
      return Fail(error, "links to folders are not packed: " + entry.path().string());
    if (!directory && !entry.is_regular_file(code))
      return Fail(error, "not a regular file: " + entry.path().string());
    entries->push_back({name, entry.path(), directory});
  }
  if (code) return Fail(error, folder.string() + ": " + code.message());
  std::sort(entries->begin(), entries->end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return true;
}

bool ReadFile(const std::filesystem::path& path, std::vector<uint8_t>* data, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(error, "cannot read " + path.string());
  data->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return Fail(error, "cannot read " + path.string());
  if (data->size() > UINT32_MAX) return Fail(error, "larger than 4 GiB: " + path.string());
  return true;
}

// A member is kept compressed only where that saves a sixteenth of it: a
// picture that is compressed already shrinks by a fraction of a percent, and
// decoding it would cost every start more than those bytes are worth.
bool WorthDecoding(size_t packed, size_t bytes) { return packed < bytes - bytes / 16; }

}  // namespace

bool PackFolder(const std::filesystem::path& folder, const PackOptions& options,
                std::vector<uint8_t>* archive, std::string* error) {
  std::error_code code;
  if (!std::filesystem::is_directory(folder, code))
    return Fail(error, "not a folder: " + folder.string());
  std::vector<FolderEntry> entries;
  if (!CollectEntries(folder, &entries, error)) return false;
  ArchiveWriter writer;
  for (const FolderEntry& entry : entries) {
    if (entry.directory) {
      writer.AddDirectory(entry.name);
      continue;
    }
    std::vector<uint8_t> data;
    if (!ReadFile(entry.path, &data, error)) return false;
    std::vector<uint8_t> packed;
    if (options.compress) packed = rar20::CompressRar20(data.data(), data.size());
    if (options.compress && WorthDecoding(packed.size(), data.size()))
      writer.AddCompressed(entry.name, data, packed);
    else
      writer.AddStored(entry.name, data);
  }
  *archive = writer.Finish();
  if (archive->size() > UINT32_MAX) return Fail(error, "the archive would pass 4 GiB");
  return true;
}
