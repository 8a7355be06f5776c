#include "assets/image_status.h"

const char* ImageStatusText(ImageStatus status) {
  switch (status) {
    case ImageStatus::Ok: return "ok";
    case ImageStatus::Missing: return "not found";
    case ImageStatus::Damaged: return "damaged";
    case ImageStatus::Unsupported: return "unsupported picture";
    case ImageStatus::UnsupportedDepth: return "Unsupported image depth.";
  }
  return "unknown";
}
