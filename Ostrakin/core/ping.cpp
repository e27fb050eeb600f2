#include "ping.h"

#include <cstring>

namespace ostrakin {

int32_t ReplyToNotification(const char* code, char* reply) {
  if (code == nullptr || reply == nullptr || std::strcmp(code, kPingCode) != 0) return 0;
  std::memcpy(reply, kPingReply, sizeof kPingReply);
  return 1;
}

}  // namespace ostrakin
