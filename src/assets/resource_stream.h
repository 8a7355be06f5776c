// ResourceStream: a read-only in-memory view of one numbered resource
// (borrowed, never copied) or of one archive member (an owned copy), with a
// read position and the line reader that every text format uses.
#pragma once
#include <cstddef>
#include <cstdint>

class ResourceStream {
 public:
  ResourceStream() = default;
  ResourceStream(const ResourceStream&) = delete;
  ResourceStream& operator=(const ResourceStream&) = delete;
  virtual ~ResourceStream();

  // Borrowed view of "CustomData" resource id; false when it does not exist.
  bool OpenResource(int id);
  // Owned copy of the named member of the archive resource; false (and an
  // empty view) when the archive reader cannot extract it.
  bool OpenArchiveMember(const char* name);
  void Close();

  // Copies count bytes and advances by count. Bytes at or past the end of
  // the view read as zero; the position still advances, so AtEnd turns true.
  void Read(void* destination, uint32_t count);
  // As Read, but does nothing once AtEnd is true.
  void ReadGuarded(void* destination, uint32_t count);
  // Reads one line into buffer (capacity bytes including the terminating
  // zero): leading spaces skipped, CR dropped, stops at LF. Characters beyond
  // the capacity are dropped. False once the end of the data has been passed.
  bool ReadLine(char* buffer, size_t capacity);
  // origin 0: from the start, 1: from the position, 2: backwards from the end.
  void Seek(int32_t offset, int origin);
  bool AtEnd() const { return position_ > size_; }

  const uint8_t* data() const { return data_; }
  uint32_t size() const { return size_; }
  uint32_t position() const { return position_; }
  const char* memberName() const { return memberName_; }

 private:
  int ReadByte();  // the next byte, or 0 past the end (the position advances)

  char memberName_[100] = {};
  uint8_t* data_ = nullptr;
  uint32_t size_ = 0;
  uint32_t position_ = 0;
  bool borrowed_ = false;
};
