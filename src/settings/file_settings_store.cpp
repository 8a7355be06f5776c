#include "settings/file_settings_store.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "base/ascii.h"

namespace {

const char* const NewFileHeader =
    "# Quorvan 3D Screensaver settings: one Name=value a line, booleans 0 or 1.";

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The name of a "Name=value" line; empty for comments and other lines.
std::string_view LineName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == '#' || line.front() == ';') return {};
  size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return Trim(line.substr(0, equals));
}

// The value of a "Name=value" line: a decimal integer that fits 32 bits,
// signed or unsigned. False for anything else.
bool LineValue(std::string_view line, uint32_t& value) {
  size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  std::string_view text = Trim(line.substr(equals + 1));
  bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty() || text.size() > 10) return false;
  int64_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  if (negative) number = -number;
  if (number < INT32_MIN || number > int64_t(UINT32_MAX)) return false;
  value = uint32_t(number);
  return true;
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) out << line << '\n';
  out.flush();
  return bool(out);
}

}  // namespace

bool FileSettingsStore::Open(Access access) {
  lines_.clear();
  writing_ = access == Access::Write;
  open_ = false;
  if (path_.empty()) return false;
  std::error_code error;
  if (std::filesystem::exists(path_, error)) {
    std::ifstream in(path_, std::ios::binary);
    if (!in) return false;
    for (std::string line; std::getline(in, line);) lines_.push_back(line);
    if (in.bad()) return false;
  } else if (writing_) {
    lines_.push_back(NewFileHeader);
  }
  open_ = true;
  return true;
}

void FileSettingsStore::Query(const char* name, uint32_t& value) {
  for (const std::string& line : lines_) {
    if (EqualIgnoringAsciiCase(LineName(line), name) && LineValue(line, value)) return;
  }
}

void FileSettingsStore::Write(const char* name, uint32_t value) {
  if (!open_ || !writing_) return;
  std::string line = std::string(name) + "=" + std::to_string(int32_t(value));
  for (std::string& existing : lines_) {
    if (EqualIgnoringAsciiCase(LineName(existing), name)) {
      existing = line;
      return;
    }
  }
  lines_.push_back(line);
}

bool FileSettingsStore::Close() {
  bool kept = true;
  if (open_ && writing_) {
    std::filesystem::path target(path_);
    std::filesystem::path temporary(path_ + ".tmp");
    std::error_code error;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
    kept = WriteLines(temporary.string(), lines_);
    if (kept) std::filesystem::rename(temporary, target, error);
    if (!kept || error) {
      if (std::filesystem::is_regular_file(temporary, error)) std::filesystem::remove(temporary, error);
      kept = false;
    }
  }
  lines_.clear();
  open_ = writing_ = false;
  return kept;
}

std::string DefaultSettingsFilePath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config && config[0] == '/') {
    folder = config;
  } else if (const char* home = std::getenv("HOME"); home && home[0]) {
    folder = std::string(home) + "/.config";
  } else {
    return {};
  }
  return folder + "/quorvan3d/settings.conf";
}
