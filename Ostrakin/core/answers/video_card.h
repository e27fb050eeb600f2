// "(!VuskVidCard)": the display adapter's description and the screen's usable size.
#pragma once

#include "core/platform_calls.h"

namespace ostrakin {

// False, with `out` untouched, when the description cannot be read or is longer than
// kLongestAdapterDescription. Writes at most kAnswerCapacity bytes.
bool FormatVideoCard(PlatformCalls& platform, char* out);

}  // namespace ostrakin
