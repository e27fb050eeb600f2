// Answers one tag through ParseTag: finds its keyword and writes the answer into the host's
// result buffer.
#pragma once

#include <cstdint>

#include "core/platform_calls.h"

namespace ostrakin {

// 1 when `tag` is a keyword and its answer was written (appended after the buffer's text for a
// disk keyword, from the first byte otherwise); 0 with the buffer untouched when it is not a
// keyword, when the answer has nothing to say, or when a pointer is null.
int32_t ParseTag(PlatformCalls& platform, const char* tag, char* result);

}  // namespace ostrakin
