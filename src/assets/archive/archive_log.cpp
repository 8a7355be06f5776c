#include "assets/archive/archive_log.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

const char* BaseName(const char* path) {
  const char* name = path;
  for (const char* p = path; *p; p++)
    if (*p == '/' || *p == '\\') name = p + 1;
  return name;
}

}  // namespace

ArchiveLogFile::ArchiveLogFile(std::string path) : path_(std::move(path)) {}

std::string ArchiveLogFile::DefaultPath() {
  std::error_code error;
  std::filesystem::path dir = std::filesystem::temp_directory_path(error);
  if (error) return {};
  return (dir / "debug_unrar.txt").string();
}

void ArchiveLogFile::Begin() {
  if (opened_) return;
  opened_ = true;
  start_ = std::chrono::steady_clock::now();
  FILE* file = path_.empty() ? nullptr : std::fopen(path_.c_str(), "w");
  usable_ = file != nullptr;
  if (!file) return;
  std::fprintf(file, "Quorvan 3D resource archive reader - diagnostic log\n");
  std::fprintf(file, "RAR 2.x archives in memory, stored and compressed members\n");
  std::fprintf(file, "(executable compiled on %s at %s)\n\n", __DATE__, __TIME__);
  std::fclose(file);
}

void ArchiveLogFile::Write(const std::string& text, std::source_location where) {
  if (!usable_) return;
  FILE* file = std::fopen(path_.c_str(), "a");
  if (!file) return;
  auto elapsed = std::chrono::steady_clock::now() - start_;
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
  std::fprintf(file, " %8u ms (line %u in %s):\n              - %s\n", unsigned(ms),
               unsigned(where.line()), BaseName(where.file_name()), text.c_str());
  std::fclose(file);
}
