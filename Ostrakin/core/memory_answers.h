// The answers about physical memory: figures and a 20-cell bar.
#pragma once

#include "system_facts.h"

namespace ostrakin {

// Available and total memory in whole MiB. Writes at most kAnswerCapacity bytes.
void WriteMemoryFigures(SystemFacts& facts, char* out);

// Available memory as a bar of 20 cells, "|" for available and "." for the rest.
void WriteMemoryBar(SystemFacts& facts, char* out);

}  // namespace ostrakin
