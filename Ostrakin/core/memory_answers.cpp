#include "memory_answers.h"

#include "bounded_format.h"

#include "answer_limits.h"
#include "memory_bar.h"

namespace ostrakin {

void WriteMemoryFigures(SystemFacts& facts, char* out) {
  const MemorySnapshot memory = facts.Memory();
  // Whole MiB of the full 64-bit counts: no wrap at 2^31 MiB, as an int conversion would give.
  BoundedFormat(out, kAnswerCapacity, "\x02[\x02 %lluMB \x02/\x02 %lluMB \x02]\x02",
                static_cast<unsigned long long>(memory.availPhys >> 20),
                static_cast<unsigned long long>(memory.totalPhys >> 20));
}

void WriteMemoryBar(SystemFacts& facts, char* out) {
  const MemorySnapshot memory = facts.Memory();
  const int filled = MemoryBarFilledCells(memory.availPhys, memory.totalPhys);
  char bar[kMemoryBarCells + 1];
  for (int cell = 0; cell < kMemoryBarCells; ++cell)
    bar[cell] = cell < filled ? '|' : '.';
  bar[kMemoryBarCells] = '\0';
  BoundedFormat(out, kAnswerCapacity, "\x02[\x02 %s \x02]\x02", bar);
}

}  // namespace ostrakin
