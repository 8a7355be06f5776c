// Reads members of a RAR 2.x archive held in memory: stored members and
// members compressed with the RAR 2.0 scheme (unpack versions 13 to 20),
// solid or not. Every read is bounded by the view; damaged or hostile bytes
// end in a failure with a diagnostic to the sink given, never outside the
// buffers. One extraction at a time; nothing is kept between calls.
#pragma once
#include <cstdint>
#include <functional>

#include "assets/archive/archive_format.h"
#include "assets/archive/archive_log.h"
#include "assets/archive/archive_view.h"

// How a read ended; the diagnostics sink has the details.
enum class ArchiveStatus {
  Ok,
  NotAnArchive,
  NoMemory,
  NotFound,
  SubBlock,            // a sub-block, which this reader cannot step over
  UnsupportedVersion,
  ImpossibleSize,      // sizes the archive's bytes cannot hold
  Damaged,             // packed data that ends early or has broken tables
  BrokenChain,         // a solid member whose stream before it failed
  CrcMismatch,
};
const char* ArchiveStatusText(ArchiveStatus status);

// name matches a member when both are equal after '\' and '/' become '_'
// and ASCII letters are upper-cased. On success *buffer holds a malloc'ed
// block of the member's unpacked size (released with free) and *length the
// bytes produced. Otherwise *buffer is null and *length 0. The view's
// offset is reset by the reader. Nothing is decrypted: the password only
// appears in the log, and an encrypted member fails its CRC.
ArchiveStatus ExtractArchiveMember(const char* name, ArchiveView& view, const char* password,
                                   uint8_t** buffer, uint32_t* length, ArchiveDiagnostics& diagnostics);

struct ArchiveEntry {
  const char* name;  // as stored (at most 259 bytes), zero-terminated
  archive::BlockHeader header;
  bool headerBroken;  // the header CRC does not match
};

// Visits every file entry in archive order with the outcome of extracting
// it (dataOk: complete and CRC-checked), by the same scan and decoding as
// ExtractArchiveMember. Not Ok when the archive cannot be read through: not
// an archive, a sub-block, or no memory for the work buffer.
ArchiveStatus ListArchiveMembers(ArchiveView& view, ArchiveDiagnostics& diagnostics,
                                 const std::function<void(const ArchiveEntry&, bool dataOk)>& visit);
