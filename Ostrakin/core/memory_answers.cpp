#include "memory_answers.h"

#include "bounded_format.h"

#include "answer_limits.h"
#include "memory_bar.h"

namespace ostrakin {

void WriteMemoryFigures(SystemFacts& facts, char* out) {
  const MemorySnapshot memory = facts.Memory();
  BoundedFormat(out, kAnswerCapacity, "\x02[\x02 %iMB \x02/\x02 %iMB \x02]\x02",
                int(memory.availPhys >> 20), int(memory.totalPhys >> 20));
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
