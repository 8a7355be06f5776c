// ResourceStream: a read-only in-memory view of one numbered resource
// (borrowed, never copied) or of one archive member (an owned copy), with a
// read position and the line reader that every text format uses. Resources
// (assets/resources.h) opens them; the view itself knows no source.
#pragma once
#include <cstddef>
#include <cstdint>

enum class SeekOrigin { Start, Current, End };

class ResourceStream {
 public:
  ResourceStream() = default;
  ResourceStream(const ResourceStream&) = delete;
  ResourceStream& operator=(const ResourceStream&) = delete;
  virtual ~ResourceStream();

  // Each closes what the stream held first. Borrow views bytes that outlive
  // the stream; Adopt takes a malloc'ed block (null for none) named name.
  void Borrow(const uint8_t* data, uint32_t size);
  void Adopt(uint8_t* buffer, uint32_t size, const char* name);
  // Releases an owned block and forgets a borrowed one: the view is empty.
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
  // Moves offset bytes from the start, from the position, or backwards from
  // the end; a move before the start stops at the start.
  void Seek(int32_t offset, SeekOrigin origin);
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
