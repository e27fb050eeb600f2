// Registered window messages, as the toast functions need them. The Windows build uses user32;
// tests script the answers.
#pragma once

#include <cstdint>

namespace ostrakin {

class WindowMessages {
 public:
  // The message number registered for `name`; 0 when registration failed.
  virtual uint32_t Register(const char* name) = 0;
  // Sends to every top-level window and waits until they have handled it.
  virtual intptr_t SendToAllWindows(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;

 protected:
  ~WindowMessages() = default;
};

}  // namespace ostrakin
