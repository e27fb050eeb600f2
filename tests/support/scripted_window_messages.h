// Window messages scripted by a test: registration answers a chosen number, a send answers a
// chosen result and keeps a copy of the record while it exists (only during the send). Nothing
// here allocates, so allocation counts see only the code under test.
#pragma once

#include <cstring>

#include "Ostrakin.h"
#include "core/window_messages.h"

namespace ostrakin::testing {

class ScriptedWindowMessages : public WindowMessages {
 public:
  uint32_t registeredNumber = 0xC123;
  intptr_t sendResult = 0;

  // Ledger.
  const char* registeredName = nullptr;
  int registrations = 0, sends = 0;
  uint32_t sentMessage = 0;
  intptr_t sentLParam = -1;
  unsigned char sentRecord[sizeof(ToastRequest)] = {};

  uint32_t Register(const char* name) override {
    registeredName = name;
    ++registrations;
    return registeredNumber;
  }
  intptr_t SendToAllWindows(uint32_t message, uintptr_t wParam, intptr_t lParam) override {
    ++sends;
    sentMessage = message;
    sentLParam = lParam;
    std::memcpy(sentRecord, reinterpret_cast<const void*>(wParam), sizeof sentRecord);
    return sendResult;
  }
};

}  // namespace ostrakin::testing
