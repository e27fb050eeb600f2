#include "win32/win32_window_messages.h"

#include <windows.h>

namespace ostrakin {

uint32_t Win32WindowMessages::Register(const char* name) {
  return RegisterWindowMessageA(name);
}

intptr_t Win32WindowMessages::SendToAllWindows(uint32_t message, uintptr_t wParam,
                                               intptr_t lParam) {
  return SendMessageA(HWND_BROADCAST, message, WPARAM(wParam), LPARAM(lParam));
}

}  // namespace ostrakin
