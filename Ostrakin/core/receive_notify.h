// The host's notifications through ReceiveNotify: the plug-in answers the ping and nothing else.
#pragma once

#include <cstdint>

namespace ostrakin {

// Three lines, separated by single line feeds, with none at the end.
inline constexpr char kPingReply[] =
    "Pong!"
    "\n#/brb I'll be back in 5 seconds"
    "\n#5#/online";
static_assert(sizeof kPingReply == 48 + 1, "the reply is 48 characters and a terminator");

// For the code OSTRAKIN_PING_CODE exactly (case and length), writes the reply over the buffer's
// contents and returns 1; otherwise returns 0 and writes nothing. A null pointer is declined too.
int32_t ReceiveNotify(const char* code, char* reply);

}  // namespace ostrakin
