// Windows-1251, the code page of the system's own message texts, turned
// into UTF-8 for the places that show them on Linux (standard error).
#pragma once
#include <string>
#include <string_view>

std::string Cp1251ToUtf8(std::string_view text);
