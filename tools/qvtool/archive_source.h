// The archive a qvtool command reads: a file named on the command line, or
// the archive built into the program.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "assets/archive/archive_reader.h"
#include "assets/resource_source.h"

// The resources built into this program: the archive, texts and images.
const ResourceSource& BuiltInResources();

struct ArchiveSource {
  std::vector<uint8_t> file;
  ArchiveView view;
  std::string label;
};

// path null: the built-in archive. False with the reason in error.
bool LoadArchive(const char* path, ArchiveSource* source, std::string* error);
