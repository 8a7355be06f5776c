// The archive reader's diagnostic log: the text file "debug_unrar.txt" in
// the temporary directory, created (truncated) with a banner at the first
// extraction of the process. Each diagnostic is appended with the
// milliseconds since the log was opened and the source line that wrote it.
// When the file cannot be created, diagnostics are dropped silently.
#pragma once
#include <functional>
#include <source_location>
#include <string>

// Creates the log on the first call of the process (or after a redirect).
void OpenArchiveLog();
void WriteArchiveDiagnostic(const std::string& text,
                            std::source_location where = std::source_location::current());

// Seams for tests and tools. A redirect takes effect at the next
// OpenArchiveLog; an empty path restores the temporary directory. The hook,
// when set, receives every diagnostic text as it is written.
void SetArchiveLogPath(const std::string& path);
void SetArchiveDiagnosticHook(std::function<void(const std::string&)> hook);
