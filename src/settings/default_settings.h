// The default-settings text (CustomData resource 135, "def_settings.txt"):
// single-byte Windows-1251 text, one "name=value" a line, lines ended by CR.
// Every byte that is 32 or less taken as a signed byte is removed (blanks,
// control characters, LF and every byte from 0x80 on, so Cyrillic comments
// vanish), and ";" starts a comment anywhere in a line.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/message_sink.h"
#include "settings/settings.h"

class Resources;

class DefaultSettingsTable {
 public:
  static constexpr size_t Capacity = 100;  // pairs; further lines are dropped

  struct Pair {
    std::string name, value;  // as written, after the removals
  };

  // Replaces the table with the pairs of the text. A line without "=" shows
  // a message box and is stored with the whole line as name and value.
  void Parse(const uint8_t* data, size_t size, MessageSink& messages);

  // The value of the first pair whose name equals name, both compared in
  // lower case (A-Z only); the value is lower-cased the same way. Not found:
  // a message box with the lower-cased name as caption, and an empty text.
  std::string LookupDefault(const char* name, MessageSink& messages) const;
  // LookupDefault read as a number: "true" 1, "false" 0, otherwise the
  // leading decimal integer (optional sign, digits; 0 without digits;
  // saturated at the int32 limits).
  int32_t ReadDefaultInt(const char* name, MessageSink& messages) const;
  // Whether a pair of that name exists, compared as LookupDefault does.
  bool HasDefault(const char* name) const;

  const std::vector<Pair>& pairs() const { return pairs_; }

 private:
  std::vector<Pair> pairs_;
};

inline constexpr int DefaultSettingsResourceId = 135;

// Fills the table from resource 135; false, leaving it empty, when the
// installed resource source has no such resource.
bool LoadDefaultSettingsText(DefaultSettingsTable& table, const Resources& resources, MessageSink& messages);

// Overwrites the fields that the default-settings text covers, looked up in
// a fixed order, and leaves all others as they were.
void ApplyDefaults(Settings& settings, const DefaultSettingsTable& table, MessageSink& messages);

// The record that "restore defaults" copies: the live record with the
// default-settings values applied over it.
Settings MakeDefaultSettings(const Settings& live, const DefaultSettingsTable& table,
                             MessageSink& messages);
