// Where the archive reader's diagnostics go. The reader calls Begin at the
// start of every extraction or listing and Write for each diagnostic, with
// the source line that wrote it. The application owns the sink and hands it
// to the reader through its Resources; tests and tools use their own.
#pragma once
#include <chrono>
#include <source_location>
#include <string>

class ArchiveDiagnostics {
 public:
  virtual ~ArchiveDiagnostics() = default;
  virtual void Begin() {}
  virtual void Write(const std::string& text,
                     std::source_location where = std::source_location::current()) = 0;
};

// Drops every diagnostic.
class DiscardedDiagnostics : public ArchiveDiagnostics {
 public:
  void Write(const std::string&, std::source_location) override {}
};

// The diagnostic log file "debug_unrar.txt" in the temporary directory (or
// at the path given), created (truncated) with a banner at the first Begin.
// Each diagnostic is appended with the milliseconds since the log was
// created and the source line that wrote it. When the file cannot be
// created, diagnostics are dropped silently.
class ArchiveLogFile : public ArchiveDiagnostics {
 public:
  explicit ArchiveLogFile(std::string path = DefaultPath());
  void Begin() override;
  void Write(const std::string& text, std::source_location where) override;

  // The temporary directory's "debug_unrar.txt"; empty when there is none.
  static std::string DefaultPath();

 private:
  std::string path_;
  bool opened_ = false;
  bool usable_ = false;
  std::chrono::steady_clock::time_point start_;
};
