#include "assets/archive/archive_log.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

struct LogState {
  bool opened = false;
  bool usable = false;
  std::string path;  // empty: the temporary directory
  std::chrono::steady_clock::time_point start;
  std::function<void(const std::string&)> hook;
};

LogState& State() {
  static LogState state;
  return state;
}

std::string LogPath() {
  if (!State().path.empty()) return State().path;
  std::error_code error;
  std::filesystem::path dir = std::filesystem::temp_directory_path(error);
  if (error) return {};
  return (dir / "debug_unrar.txt").string();
}

const char* BaseName(const char* path) {
  const char* name = path;
  for (const char* p = path; *p; p++)
    if (*p == '/' || *p == '\\') name = p + 1;
  return name;
}

}  // namespace

void OpenArchiveLog() {
  LogState& state = State();
  if (state.opened) return;
  state.opened = true;
  state.start = std::chrono::steady_clock::now();
  std::string path = LogPath();
  FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "w");
  state.usable = file != nullptr;
  if (!file) return;
  std::fprintf(file, "Quorvan 3D resource archive reader - diagnostic log\n");
  std::fprintf(file, "RAR 2.x archives in memory, stored and compressed members\n");
  std::fprintf(file, "(executable compiled on %s at %s)\n\n", __DATE__, __TIME__);
  std::fclose(file);
}

void WriteArchiveDiagnostic(const std::string& text, std::source_location where) {
  LogState& state = State();
  if (state.hook) state.hook(text);
  if (!state.usable) return;
  FILE* file = std::fopen(LogPath().c_str(), "a");
  if (!file) return;
  auto elapsed = std::chrono::steady_clock::now() - state.start;
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
  std::fprintf(file, " %8u ms (line %u in %s):\n              - %s\n", unsigned(ms),
               unsigned(where.line()), BaseName(where.file_name()), text.c_str());
  std::fclose(file);
}

void SetArchiveLogPath(const std::string& path) {
  State().path = path;
  State().opened = false;
  State().usable = false;
}

void SetArchiveDiagnosticHook(std::function<void(const std::string&)> hook) {
  State().hook = std::move(hook);
}
