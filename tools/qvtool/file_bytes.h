// Whole files from disk, for the commands that check content files.
#pragma once
#include <cstdint>
#include <vector>

// False (with the reason on standard error, prefixed by the command) when
// the file cannot be read.
bool ReadFileBytes(const char* command, const char* path, std::vector<uint8_t>& bytes);
