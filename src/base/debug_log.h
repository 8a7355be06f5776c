// DebugLog: the start-up log stream. Every step of the start-up writes to
// it; as shipped it has no destination and discards what it is given.
// qvtool and tests may attach a destination to read the steps back. The
// application owns one and hands it down with the resources.
#pragma once
#include <cstdint>
#include <ostream>
#include <string>

class DebugLog {
 public:
  DebugLog& Write(const char* text);
  DebugLog& Write(int32_t value);
  DebugLog& Write(const std::string& text) { return Write(text.c_str()); }
  void WriteLine(const char* text);  // a line of its own
  void EndStep();                    // ends the current step's line
  // Null detaches; the stream must outlive its attachment.
  void SetDestination(std::ostream* destination) { destination_ = destination; }

 private:
  std::ostream* destination_ = nullptr;
};

