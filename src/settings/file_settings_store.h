// FileSettingsStore: the settings of the Linux desktop as a text file that a
// user may edit, one "Name=value" a line (a decimal 32-bit integer; booleans
// 0 or 1). Names match without regard to case and the first usable line of a
// name counts; blank lines, comments ("#" or ";") and lines the store cannot
// read are ignored and kept as they are when the file is rewritten. A write
// replaces the first line of its name or appends one. Closing a write
// session replaces the file atomically (a temporary file renamed over it),
// creating its folder when needed, so a crash leaves the old file or the new
// one, never a part.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_store.h"

class FileSettingsStore : public SettingsStore {
 public:
  explicit FileSettingsStore(std::string path) : path_(std::move(path)) {}

  // A missing file opens as an empty store; false when the file exists but
  // cannot be read, or the path is empty.
  bool Open(Access access) override;
  void Query(const char* name, uint32_t& value) override;
  void Write(const char* name, uint32_t value) override;
  bool Close() override;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> lines_;
  bool open_ = false;
  bool writing_ = false;
};

// <config>/quorvan3d/settings.conf, where <config> is $XDG_CONFIG_HOME when
// it is an absolute path, else $HOME/.config; empty when neither is known.
std::string DefaultSettingsFilePath();
