// "(!VuskDiskA)" to "(!VuskDiskZ)": one drive's free and total space.
#pragma once

#include "core/platform_calls.h"

namespace ostrakin {

// Free and total space of drive `driveLetter` (upper case), each in GB, or in MB when it is
// zero. A failed query shows both amounts as zero. Writes at most kAnswerCapacity bytes and
// returns true: it always answers.
bool FormatDiskSpace(PlatformCalls& platform, char driveLetter, char* out);

}  // namespace ostrakin
