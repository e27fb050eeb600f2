// "(!VuskVidCard)": the display adapter's description and the screen's usable size.
#pragma once

#include <cstdint>

#include "core/platform_calls.h"

namespace ostrakin {

// A description the query reports as longer than this, in bytes, goes unanswered.
constexpr uint32_t kLongestAdapterDescription = 256;

// False, with `out` untouched, when the description cannot be read or is too long. Writes at
// most kAnswerCapacity bytes.
bool FormatVideoCard(PlatformCalls& platform, char* out);

}  // namespace ostrakin
