// The outcome of reading a picture, for the JPEG and TGA decoders and their
// loaders. The host decides what a failure shows; the decoders only say.
#pragma once

enum class ImageStatus {
  Ok,
  Missing,           // the resource or archive member does not open
  Damaged,           // the data ends early or does not decode
  Unsupported,       // a kind of picture the decoder does not read, or too large
  UnsupportedDepth,  // a TGA whose bits per pixel are not 8, 16, 24 or 32
};

// A short English text for logs and message boxes.
const char* ImageStatusText(ImageStatus status);
