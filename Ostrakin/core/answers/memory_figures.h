// "(!VuskRamStat)": available and total physical memory.
#pragma once

#include "core/platform_calls.h"

namespace ostrakin {

// Available and total memory in whole MiB. Writes at most kAnswerCapacity bytes and returns
// true: it always answers.
bool FormatMemoryFigures(PlatformCalls& platform, char* out);

}  // namespace ostrakin
