#include "base/debug_log.h"

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
