// Where numbered resources come from: the executable's own resources on
// Windows, a table of embedded files on Linux, a test's own bytes in tests.
// The bytes belong to the source and stay valid while it is installed.
#pragma once
#include <cstdint>

inline constexpr const char* CustomDataType = "CustomData";
inline constexpr int ArchiveResourceId = 136;

struct ResourceBytes {
  const uint8_t* data = nullptr;
  uint32_t size = 0;
  bool found = false;
};

class ResourceSource {
 public:
  virtual ~ResourceSource() = default;
  // The resource of this type and number, or found == false.
  virtual ResourceBytes Find(const char* type, int id) const = 0;
};
