// Asking the host to show a toast through DisplayToast and DisplayToastW: a ToastRequest sent as
// the registered message OSTRAKIN_DISPLAY_TOAST_MESSAGE.
#pragma once

#include <cstdint>

#include "Ostrakin.h"
#include "core/window_messages.h"

namespace ostrakin {

// The lParam of the message: how the host should read the texts the request points at.
enum class ToastText : intptr_t { Narrow = 0, Wide = 1 };

// The record's order puts the second argument first. The flag is a byte (a host may pass any
// byte in it): any non-zero value is true, written as all bits set. The member the host does
// not read is zeroed, so no stale stack bytes reach the windows that receive the record.
constexpr ToastRequest MakeToastRequest(uint32_t first, uint32_t second, uint32_t third,
                                        unsigned char flag) {
  return ToastRequest{second, first, third, flag != 0 ? -1 : 0, 0};
}

// Registers the message name (on every call; a failed registration sends message 0), sends the
// record's address to every top-level window, and returns what the send returned.
intptr_t DisplayToast(WindowMessages& messages, uint32_t first, uint32_t second, uint32_t third,
                      unsigned char flag, ToastText text);

}  // namespace ostrakin
