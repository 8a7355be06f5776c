// Shared by the qvtool commands that read the settings texts: message boxes
// shown on standard error, and whole files read into memory.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "base/message_sink.h"

// Prints each box as one line on standard error, its Windows-1251 text
// turned into UTF-8, and counts them.
class StderrMessages : public MessageSink {
 public:
  void ShowMessage(const char* text, const char* caption) override;
  int count() const { return count_; }

 private:
  int count_ = 0;
};

// The bytes of the file, or nothing (with a line on standard error) when it
// cannot be read.
std::optional<std::vector<uint8_t>> ReadWholeFile(const char* command, const char* path);
