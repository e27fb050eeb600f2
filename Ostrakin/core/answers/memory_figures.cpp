// "(!VuskRamStat)": available and total physical memory in whole MiB.
#include "core/answers/answer_capacity.h"
#include "core/keyword_table.h"
#include "core/platform_facts.h"
#include "core/text/bounded_format.h"

namespace ostrakin {

bool FormatMemoryFigures(PlatformCalls& platform, char, char* out) {
  MemorySnapshot memory;
  platform.Query(memory);  // a failure leaves both counts 0
  // Whole MiB of the full 64-bit counts: no wrap at 2^31 MiB, as an int conversion would give.
  BOUNDED_FORMAT(out, kAnswerCapacity, "\x02[\x02 %lluMB \x02/\x02 %lluMB \x02]\x02",
                 static_cast<unsigned long long>(memory.availPhys >> 20),
                 static_cast<unsigned long long>(memory.totalPhys >> 20));
  return true;
}

}  // namespace ostrakin
