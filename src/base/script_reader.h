// ScriptReader: the line reader and keyword conventions shared by every text
// format of the archive (environment and world lists, object files, scene
// scripts, keyframe lists).
//
// A line is a keyword and its arguments. Keywords are case-sensitive prefixes
// of the line ("end" also matches "endless"); arguments are read with
// scanf-style patterns that repeat the keyword, e.g. "position V(%f %f %f)".
// Lines that start with no keyword of the context are ignored, which is how
// "//" comments work. Lines hold at most 127 characters; longer ones keep
// their start. Reading stops at the end of the data whether or not the file
// carries its terminator.
//
// Block loop (the closing line itself passes once through the tests):
//   if (!reader.SkipTo("env", "ENV_END")) return;  // no more blocks
//   reader.Scan("env %s", environment.name);
//   while (reader.NextInBlock("end")) {
//     if (reader.StartsWith("firstpass")) ...
//     if (reader.StartsWith("postpass")) ...
//   }
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/resource_stream.h"

namespace script_fields {
// One destination of Scan: a float for %f, an int32_t for %d, a fixed
// character field for %s (bounded by its size).
struct Field {
  char conversion;
  void* target;
  size_t capacity;
};
inline Field Of(float& value) { return {'f', &value, 0}; }
inline Field Of(int32_t& value) { return {'d', &value, 0}; }
template <size_t N>
Field Of(char (&word)[N]) {
  static_assert(N > 1, "a word field needs room for a character and the zero");
  return {'s', word, N};
}
// sscanf of line with pattern into fields; see ScriptReader::Scan.
int Scan(const char* line, const char* pattern, const Field* fields, size_t count);
}  // namespace script_fields

class ScriptReader {
 public:
  static constexpr size_t LineCapacity = 128;  // bytes, with the zero

  // Forgets the current line and its number: the next text starts at line
  // 1. Resources::OpenScript calls it before it opens the stream.
  void Reset();
  void Close();  // Reset, and the stream closed
  // The stream the lines come from.
  ResourceStream& stream() { return stream_; }

  // Reads the next line into line(); false (and an empty line) once the data
  // is exhausted. A last line without a line break is still delivered.
  bool Next();
  const char* line() const { return line_; }
  // The number of the current line, counting from 1; 0 before the first.
  uint32_t lineNumber() const { return lineNumber_; }
  // "member:line: " for the current line, to begin a log message with.
  std::string Where() const;

  // The current line begins with keyword (strncmp over the keyword's length).
  bool StartsWith(const char* keyword) const;

  // Reads the current line's arguments as sscanf would and returns the number
  // of fields filled; fields after the first mismatch keep their values.
  // Conversions are %f (float&), %d (int32_t&) and %s (a char array, never
  // written past its size: longer words keep their start, the rest of the
  // word is skipped). A pattern whose conversions do not fit its fields
  // fills nothing.
  template <typename... Fields>
  int Scan(const char* pattern, Fields&... fields) const {
    // The extra entry keeps the array non-empty for patterns without fields.
    const script_fields::Field slots[] = {script_fields::Of(fields)..., {}};
    return script_fields::Scan(line_, pattern, slots, sizeof...(Fields));
  }

  // Reads lines until one starts with opening and returns true; returns false
  // when a line starting with terminator (null: none) comes first or the data
  // ends.
  bool SkipTo(const char* opening, const char* terminator);
  // One step of a block: false when the current line starts with closing
  // (the block is complete) or the data has ended; otherwise reads the next
  // line for the block's keyword tests and returns true.
  bool NextInBlock(const char* closing);

 private:
  ResourceStream stream_;
  char line_[LineCapacity] = {};
  uint32_t lineNumber_ = 0;
};
