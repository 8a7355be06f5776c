#include "host/command_line.h"

#include <cctype>
#include <cstdlib>

namespace {

const char* SkipProgramName(const char* p) {
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
  } else {
    while (*p && *p != ' ') ++p;
  }
  return *p ? p + 1 : p;
}

uint32_t WindowNumberAfter(const char* p) {
  while (*p && !std::isdigit(static_cast<unsigned char>(*p))) ++p;
  return *p ? uint32_t(std::atol(p)) : 0;
}

}  // namespace

CommandLine ParseCommandLine(const char* text) {
  CommandLine result;
  const char* p = SkipProgramName(text);
  while (*p && *p != '/' && *p != '-') ++p;
  if (!*p) return result;
  char letter = p[1];
  const char* rest = letter ? p + 2 : p + 1;  // never past the terminator
  switch (letter) {
    case 'c':
    case 'C':
      result.parentWindow = WindowNumberAfter(rest);
      break;
    case 'p':
    case 'P':
      result.mode = RunMode::Preview;
      result.parentWindow = WindowNumberAfter(rest);
      break;
    case 't':
    case 'T':
      result.mode = RunMode::Test;
      break;
    default:
      result.mode = RunMode::Saver;
      break;
  }
  return result;
}
