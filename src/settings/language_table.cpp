#include "settings/language_table.h"

#include <cstring>

#include "assets/resources.h"
#include "base/ascii.h"

namespace {

// Nothing to store: the byte-order mark, and bytes no rule decodes.
constexpr char32_t NoCharacter = 0;

// Decodes the character at position and advances past it. Bytes past the
// end of the data are never looked at.
char32_t DecodeCharacter(const uint8_t* data, size_t size, size_t& position) {
  size_t left = size - position;
  const uint8_t* b = data + position;
  if (left >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
    position += 3;
    return NoCharacter;
  }
  if (b[0] < 0x80) {
    position += 1;
    return b[0];
  }
  if ((b[0] & 0xF0) == 0xE0 && left >= 3) {
    position += 3;
    return char32_t((b[0] & 0x0F) << 12 | (b[1] & 0x3F) << 6 | (b[2] & 0x3F));
  }
  if ((b[0] & 0xE0) == 0xC0 && left >= 2) {
    position += 2;
    return char32_t((b[0] & 0x1F) << 6 | (b[1] & 0x3F));
  }
  // A continuation byte, a four-byte lead, or a sequence cut short by the
  // end of the data: skipped a byte at a time.
  position += 1;
  return NoCharacter;
}

std::u16string ReadLine(const uint8_t* data, size_t size, size_t& position) {
  std::u16string line;
  while (position < size) {
    char32_t c = DecodeCharacter(data, size, position);
    if (c == '\n') break;
    if (c != NoCharacter && c != '\r') line += char16_t(c);
  }
  return line;
}

// Lowers the key between the opening and the closing "#".
void LowerKeyLine(std::u16string& line) {
  if (line.empty() || line[0] != u'#') return;
  for (size_t i = 1; i + 1 < line.size(); ++i) line[i] = LowerAscii(line[i]);
}

bool MatchesKey(const std::u16string& line, const std::string& key) {
  if (line.empty() || line[0] != u'#' || line.size() < key.size() + 1) return false;
  for (size_t i = 0; i < key.size(); ++i) {
    if (line[i + 1] != char16_t(uint8_t(key[i]))) return false;
  }
  size_t difference = line.size() > key.size() ? line.size() - key.size() : key.size() - line.size();
  return difference <= 2;
}

}  // namespace

void LanguageTable::Load(const uint8_t* data, size_t size) {
  lines_.clear();
  size_t position = 0;
  while (position < size && lines_.size() < MaxLines) {
    lines_.push_back(ReadLine(data, size, position));
    LowerKeyLine(lines_.back());
  }
  for (std::string& line : about_) line.clear();
  size_t current = 0;
  for (char c : LookupText("about_window_text")) {
    if (c != '%') {
      about_[current] += c;
    } else if (++current == AboutLineCount) {
      break;
    }
  }
}

std::string LanguageTable::LookupText(const char* key) const {
  std::string lowered(key);
  for (char& c : lowered) c = LowerAscii(c);
  for (size_t i = 0; i + 1 < lines_.size(); ++i) {
    if (!MatchesKey(lines_[i], lowered)) continue;
    std::string text;
    for (char16_t c : lines_[i + 1]) text += char(uint8_t(c));
    return text;
  }
  return {};
}

bool LoadLanguageTable(LanguageTable& table, const Resources& resources) {
  ResourceBytes bytes = resources.Find(LanguageTableResourceId);
  table.Load(bytes.data, bytes.found ? bytes.size : 0);
  return bytes.found;
}
