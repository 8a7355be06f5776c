// Writes RAR 2.x archives: the marker, the main header, one file header per
// entry (header CRC and data CRC), stored or RAR 2.0 compressed data, and
// the end block. Output is deterministic: every entry carries the same fixed
// file time.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class ArchiveWriter {
 public:
  explicit ArchiveWriter(bool solid = false) : solid_(solid) {}

  // name: the member path as stored, '\' between folders.
  void AddDirectory(const std::string& name);
  void AddStored(const std::string& name, const std::vector<uint8_t>& data);
  // packed: the member's RAR 2.0 stream; continueSolid marks a member that
  // carries on the previous member's decoder state.
  void AddCompressed(const std::string& name, const std::vector<uint8_t>& data,
                     const std::vector<uint8_t>& packed, bool continueSolid = false);
  std::vector<uint8_t> Finish();

 private:
  void AddEntry(const std::string& name, uint16_t flags, uint32_t attributes, uint8_t method,
                const std::vector<uint8_t>& data, const std::vector<uint8_t>& stored);

  bool solid_;
  std::vector<uint8_t> entries_;
};

struct PackOptions {
  bool compress = false;  // RAR 2.0 data where it is a sixteenth smaller than the bytes
};

// Packs the files and folders under folder, named relative to it with '\'
// separators, in byte order of their names. False with a message on
// failure (unreadable files, names or sizes the format cannot hold).
bool PackFolder(const std::filesystem::path& folder, const PackOptions& options,
                std::vector<uint8_t>* archive, std::string* error);
