// RecordedMessages: a message sink that keeps every box it is asked to show.
#pragma once
#include <string>
#include <vector>

#include "base/message_sink.h"

struct RecordedMessages : MessageSink {
  struct Box {
    std::string text, caption;
  };
  std::vector<Box> boxes;
  void ShowMessage(const char* text, const char* caption) override {
    boxes.push_back({text, caption});
  }
};
