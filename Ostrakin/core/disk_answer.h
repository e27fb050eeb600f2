// The answer about one drive's free and total space.
#pragma once

#include "system_facts.h"

namespace ostrakin {

// Free and total space of drive `driveLetter` (upper case), each in GB, or in MB when it is
// zero. A failed query shows both amounts as zero. Writes at most kAnswerCapacity bytes.
void FormatDiskSpace(SystemFacts& facts, char driveLetter, char* out);

}  // namespace ostrakin
