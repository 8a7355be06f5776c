// The RAR 2.x container as the reader and the writer see it: markers, block
// types and flags, and the 32-byte block header (little-endian).
#pragma once
#include <cstdint>

namespace archive {

inline constexpr uint32_t MarkerSize = 7;
inline constexpr uint8_t Marker[MarkerSize] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
inline constexpr uint8_t AlternateMarker[MarkerSize] = {'V', 'e', 'x', 'o', 'r', 'a', '!'};
inline constexpr uint8_t OldFormatMarker[4] = {0x52, 0x45, 0x7E, 0x5E};

inline constexpr uint32_t MainHeaderSize = 13;
inline constexpr uint32_t BlockHeaderSize = 32;
inline constexpr uint32_t EndBlockSize = 7;
inline constexpr uint32_t MaxNameBytes = 259;

inline constexpr uint8_t MainHeaderType = 0x73;
inline constexpr uint8_t FileBlockType = 0x74;
inline constexpr uint8_t SubBlockType = 0x77;
inline constexpr uint8_t EndBlockType = 0x7B;

inline constexpr uint16_t SolidArchiveFlag = 0x0008;  // main header
inline constexpr uint16_t HasDataFlag = 0x8000;       // a data area follows the header
inline constexpr uint16_t SolidMemberFlag = 0x0010;   // continues the previous member's stream
inline constexpr uint16_t Dictionary1MiBFlag = 0x0080;
inline constexpr uint16_t DirectoryFlags = 0x80E0;
inline constexpr uint16_t EndBlockFlags = 0x4000;

inline constexpr uint32_t DirectoryAttribute = 0x10;
inline constexpr uint32_t ArchiveAttribute = 0x20;

inline constexpr uint8_t StoredMethod = 0x30;
inline constexpr uint8_t NormalMethod = 0x33;
inline constexpr uint8_t MinUnpackVersion = 13;
inline constexpr uint8_t MaxUnpackVersion = 20;

struct BlockHeader {
  uint16_t crc = 0;
  uint8_t type = 0;
  uint16_t flags = 0;
  uint16_t headerSize = 0;
  uint32_t packedSize = 0;
  uint32_t unpackedSize = 0;
  uint8_t hostSystem = 0;
  uint32_t dataCrc = 0;
  uint32_t fileTime = 0;
  uint8_t unpackVersion = 0;
  uint8_t method = 0;
  uint16_t nameSize = 0;
  uint32_t attributes = 0;
};

inline uint16_t Read16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t Read32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// bytes: the BlockHeaderSize bytes at a block start.
inline BlockHeader ParseBlockHeader(const uint8_t* bytes) {
  BlockHeader h;
  h.crc = Read16(bytes);
  h.type = bytes[2];
  h.flags = Read16(bytes + 3);
  h.headerSize = Read16(bytes + 5);
  h.packedSize = Read32(bytes + 7);
  h.unpackedSize = Read32(bytes + 11);
  h.hostSystem = bytes[15];
  h.dataCrc = Read32(bytes + 16);
  h.fileTime = Read32(bytes + 20);
  h.unpackVersion = bytes[24];
  h.method = bytes[25];
  h.nameSize = Read16(bytes + 26);
  h.attributes = Read32(bytes + 28);
  return h;
}

}  // namespace archive
