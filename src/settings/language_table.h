// LanguageTable: every text of the configuration dialog and the About box,
// read once from the UTF-8 table in CustomData resource 120. An entry is a
// key line "#key#" followed by its text line; every other line is kept but
// never found. Keys match without regard to case (A-Z). Texts come out as
// single-byte strings (the low 8 bits of each character).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Resources;

class LanguageTable {
 public:
  static constexpr size_t MaxLines = 200;  // further lines are dropped
  static constexpr size_t AboutLineCount = 7;

  // Replaces the table with the lines of data (with or without a byte-order
  // mark, CR LF or LF line ends) and splits the About text at "%" into its
  // seven lines; text after the seventh line is dropped. Bytes that start
  // no UTF-8 sequence of one to three bytes, and sequences cut short by the
  // end of the data, are skipped.
  void Load(const uint8_t* data, size_t size);

  // The text line after the first key line that matches key (see Load), or
  // an empty text.
  std::string LookupText(const char* key) const;

  const std::string& AboutLine(size_t index) const { return about_[index]; }
  size_t lineCount() const { return lines_.size(); }

 private:
  std::vector<std::u16string> lines_;
  std::array<std::string, AboutLineCount> about_;
};

inline constexpr int LanguageTableResourceId = 120;

// Fills the table from resource 120; false, leaving it empty, when the
// installed resource source has no such resource.
bool LoadLanguageTable(LanguageTable& table, const Resources& resources);
