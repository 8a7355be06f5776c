// The settings parsers' message boxes, shown through the platform.
#pragma once
#include "platform/platform.h"
#include "base/message_sink.h"

class PlatformMessages : public MessageSink {
 public:
  explicit PlatformMessages(Platform& platform) : platform_(platform) {}
  void ShowMessage(const char* text, const char* caption) override {
    platform_.ShowMessage(text, caption, MessageIcon::None);
  }
  void ShowError(const char* text, const char* caption) override {
    platform_.ShowMessage(text, caption, MessageIcon::Error);
  }

 private:
  Platform& platform_;
};
