// The text resources of resources/ as shipped, read from the source tree
// (QV_RESOURCE_DIR is set for the test programs that use this).
#pragma once
#include <fstream>
#include <sstream>
#include <string>

inline std::string ShippedResource(const char* name) {
  std::ifstream in(std::string(QV_RESOURCE_DIR) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}
