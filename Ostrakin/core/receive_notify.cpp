#include "core/receive_notify.h"

#include <cstring>

#include "Ostrakin.h"

namespace ostrakin {

int32_t ReceiveNotify(const char* code, char* reply) {
  if (code == nullptr || reply == nullptr || std::strcmp(code, OSTRAKIN_PING_CODE) != 0) return 0;
  std::memcpy(reply, kPingReply, sizeof kPingReply);
  return 1;
}

}  // namespace ostrakin
