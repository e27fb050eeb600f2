// "(!VuskCPUInfo)": the processor's name and clock.
#pragma once

#include "core/platform_calls.h"

namespace ostrakin {

// Returns true: it always answers; a name that cannot be read is empty text and a clock that
// cannot be read is 0. Writes at most kAnswerCapacity bytes.
bool FormatProcessor(PlatformCalls& platform, char* out);

}  // namespace ostrakin
