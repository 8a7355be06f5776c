// SettingsStore: where the user's settings persist between runs, one 32-bit
// value per name (the registry key on Windows, a text file on Linux, memory
// in tests and the headless backend). A session is Open, then queries or
// writes, then Close.
#pragma once
#include <cstdint>

class SettingsStore {
 public:
  enum class Access { Read, Write };

  virtual ~SettingsStore() = default;
  // Starts a session, creating an empty store when there is none. False when
  // the store cannot be reached; queries then find nothing and writes are
  // lost.
  virtual bool Open(Access access) = 0;
  // Copies the stored value of name into value; leaves value untouched when
  // the name is not stored.
  virtual void Query(const char* name, uint32_t& value) = 0;
  virtual void Write(const char* name, uint32_t value) = 0;
  // Ends the session. After writes: false when they could not be kept.
  virtual bool Close() = 0;
};
