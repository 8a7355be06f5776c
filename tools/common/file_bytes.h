// Whole files in and out, for every tool: read into memory in one piece, or
// written in one piece. Neither makes folders; a failure is a plain result,
// and the caller says what it was doing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The bytes of a regular file, or nothing when it cannot be read.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path);
std::optional<std::string> ReadFileText(const std::filesystem::path& path);

// Replaces the file with the bytes; false when it cannot be written whole.
bool WriteFileBytes(const std::filesystem::path& path, const uint8_t* data, size_t size);
inline bool WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  return WriteFileBytes(path, bytes.data(), bytes.size());
}
inline bool WriteFileText(const std::filesystem::path& path, const std::string& text) {
  return WriteFileBytes(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}
