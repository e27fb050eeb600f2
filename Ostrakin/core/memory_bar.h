// How many of the memory bar's 20 cells stand for available memory.
#pragma once

#include <cstdint>

namespace ostrakin {

constexpr int kMemoryBarCells = 20;

// The bar's rule: both byte counts become single-precision numbers; their quotient times 20 is
// carried in double precision; that product, rounded to single precision and truncated, is the
// count. A total of 0 gives 0, and available memory above the total never gives more than 20.
int MemoryBarFilledCells(uint64_t availableBytes, uint64_t totalBytes);

}  // namespace ostrakin
