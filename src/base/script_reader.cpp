#include "base/script_reader.h"

#include <cstdio>
#include <cstring>

namespace script_fields {
namespace {

constexpr size_t MaxSegments = 16;
constexpr size_t FormatCapacity = 96;

// A piece of the pattern: literal text followed by one conversion, rewritten
// into a complete sscanf format that also reports how much it consumed.
struct Segment {
  char format[FormatCapacity];
  const Field* field;  // null for a suppressed conversion (%*d)
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Appends text to the format under construction; false when it does not fit.
bool Append(char* format, size_t& length, const char* text, size_t count) {
  if (length + count >= FormatCapacity) return false;
  std::memcpy(format + length, text, count);
  length += count;
  format[length] = 0;
  return true;
}

// Builds the segment from literal text [begin, percent) and the conversion at
// percent, whose letter is at letter. Bare %s gets the field's width.
bool BuildSegment(const char* begin, const char* letter, bool widthGiven, const Field* field,
                  Segment& segment) {
  size_t length = 0;
  segment.field = field;
  segment.format[0] = 0;
  if (!Append(segment.format, length, begin, size_t(letter - begin))) return false;
  if (field && field->conversion == 's' && !widthGiven) {
    char width[24];
    int count = std::snprintf(width, sizeof width, "%zu", field->capacity - 1);
    if (!Append(segment.format, length, width, size_t(count))) return false;
  }
  return Append(segment.format, length, letter, 1) && Append(segment.format, length, "%n", 2);
}

// Splits pattern into segments; false when its conversions do not fit the
// fields (wrong kind, a width beyond a word field, too many or too few).
bool Split(const char* pattern, const Field* fields, size_t count, Segment* segments,
           size_t& segmentCount) {
  size_t used = 0;
  segmentCount = 0;
  const char* begin = pattern;
  for (const char* p = pattern; *p; ++p) {
    if (*p != '%') continue;
    if (p[1] == '%') {
      ++p;
      continue;
    }
    const char* q = p + 1;
    bool suppressed = *q == '*';
    if (suppressed) ++q;
    size_t width = 0;
    bool widthGiven = false;
    for (; *q >= '0' && *q <= '9'; ++q) {
      width = width * 10 + size_t(*q - '0');
      widthGiven = true;
      if (width > 4096) return false;
    }
    const char letter = *q;
    if (letter != 'f' && letter != 'd' && letter != 's') return false;
    const Field* field = nullptr;
    if (!suppressed) {
      if (used == count) return false;
      field = &fields[used++];
      if (field->conversion != letter) return false;
      if (letter == 's' && widthGiven && (width == 0 || width >= field->capacity)) return false;
    }
    if (segmentCount == MaxSegments) return false;
    if (!BuildSegment(begin, q, widthGiven, field, segments[segmentCount++])) return false;
    p = q;
    begin = q + 1;
  }
  return used == count;
}

// Runs one segment on input; the number of characters it consumed, or -1
// when it did not match.
int RunSegment(const char* input, const Segment& segment) {
  int consumed = -1;
  if (!segment.field) {
    std::sscanf(input, segment.format, &consumed);
    return consumed;
  }
  switch (segment.field->conversion) {
    case 'f': std::sscanf(input, segment.format, static_cast<float*>(segment.field->target), &consumed); break;
    case 'd': std::sscanf(input, segment.format, static_cast<int32_t*>(segment.field->target), &consumed); break;
    default: std::sscanf(input, segment.format, static_cast<char*>(segment.field->target), &consumed); break;
  }
  return consumed;
}

}  // namespace

int Scan(const char* line, const char* pattern, const Field* fields, size_t count) {
  Segment segments[MaxSegments];
  size_t segmentCount = 0;
  if (!Split(pattern, fields, count, segments, segmentCount)) return 0;
  int filled = 0;
  const char* input = line;
  for (size_t i = 0; i < segmentCount; ++i) {
    int consumed = RunSegment(input, segments[i]);
    if (consumed < 0) break;
    input += consumed;
    const Field* field = segments[i].field;
    if (!field) continue;
    ++filled;
    if (field->conversion == 's') {
      while (*input && !IsBlank(*input)) ++input;  // the part that did not fit
    }
  }
  return filled;
}

}  // namespace script_fields

void ScriptReader::Reset() {
  line_[0] = 0;
  lineNumber_ = 0;
}

void ScriptReader::Close() {
  stream_.Close();
  Reset();
}

bool ScriptReader::Next() {
  // ReadLine reports the end together with a last line that has no line
  // break; that line still counts.
  bool delivered = stream_.ReadLine(line_, LineCapacity) || line_[0] != 0;
  if (delivered) ++lineNumber_;
  return delivered;
}

std::string ScriptReader::Where() const {
  return std::string(stream_.memberName()) + ":" + std::to_string(lineNumber_) + ": ";
}

bool ScriptReader::StartsWith(const char* keyword) const {
  return std::strncmp(line_, keyword, std::strlen(keyword)) == 0;
}

bool ScriptReader::SkipTo(const char* opening, const char* terminator) {
  while (Next()) {
    if (terminator && StartsWith(terminator)) return false;
    if (StartsWith(opening)) return true;
  }
  return false;
}

bool ScriptReader::NextInBlock(const char* closing) {
  if (StartsWith(closing)) return false;
  return Next();
}
