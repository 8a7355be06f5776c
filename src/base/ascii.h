// Case rules of the settings texts: only the letters A-Z change case, so
// bytes of other code pages pass through untouched.
#pragma once
#include <string_view>

template <typename Char>
constexpr Char LowerAscii(Char c) {
  return c >= 'A' && c <= 'Z' ? Char(c - 'A' + 'a') : c;
}

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}
