#include "core/display_toast.h"

namespace ostrakin {

intptr_t DisplayToast(WindowMessages& messages, uint32_t first, uint32_t second, uint32_t third,
                      unsigned char flag, ToastText text) {
  const ToastRequest request = MakeToastRequest(first, second, third, flag);
  const uint32_t message = messages.Register(OSTRAKIN_DISPLAY_TOAST_MESSAGE);
  return messages.SendToAllWindows(message, reinterpret_cast<uintptr_t>(&request),
                                   static_cast<intptr_t>(text));
}

}  // namespace ostrakin
