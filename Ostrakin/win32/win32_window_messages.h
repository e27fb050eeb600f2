// Registered messages through user32, addressed to every top-level window.
#pragma once

#include "core/window_messages.h"

namespace ostrakin {

class Win32WindowMessages final : public WindowMessages {
 public:
  uint32_t Register(const char* name) override;
  intptr_t SendToAllWindows(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
};

}  // namespace ostrakin
