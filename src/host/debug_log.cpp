#include "host/debug_log.h"

DebugLog& Log() {
  static DebugLog* log = new DebugLog;  // lives to process end, like the stream it models
  return *log;
}

DebugLog& DebugLog::Write(const char* text) {
  if (destination_) *destination_ << text << std::flush;
  return *this;
}

DebugLog& DebugLog::Write(int32_t value) {
  if (destination_) *destination_ << value << std::flush;
  return *this;
}

void DebugLog::WriteLine(const char* text) {
  if (destination_) *destination_ << text << '\n' << std::flush;
}

void DebugLog::EndStep() {
  if (destination_) *destination_ << '\n' << std::flush;
}
