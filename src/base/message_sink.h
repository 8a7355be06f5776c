// MessageSink: how portable code (the settings parsers, the scene director)
// shows a message box without calling the platform. The host passes one that
// forwards to Platform::ShowMessage; tests keep what they are given.
#pragma once

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // text and caption are Windows-1251 bytes, zero-terminated, valid only for
  // the call. The box has an OK button and no icon.
  virtual void ShowMessage(const char* text, const char* caption) = 0;
  // The same box with the error icon; a sink that shows no icons shows it
  // as a plain message.
  virtual void ShowError(const char* text, const char* caption) { ShowMessage(text, caption); }
};
