// "(!VuskRamBar)": available memory as a bar of 20 cells.
#pragma once

#include <cstdint>

#include "core/platform_calls.h"

namespace ostrakin {

constexpr int kMemoryBarCells = 20;

// "|" for each cell of available memory, "." for the rest. Writes at most kAnswerCapacity bytes
// and returns true: it always answers.
bool FormatMemoryBar(PlatformCalls& platform, char* out);

// The bar's rule: both byte counts become single-precision numbers; their quotient times 20 is
// carried in double precision; that product, rounded to single precision and truncated, is the
// count of "|" cells. A total of 0 gives 0, and available memory above the total never gives
// more than 20.
int MemoryBarFilledCells(uint64_t availableBytes, uint64_t totalBytes);

}  // namespace ostrakin
