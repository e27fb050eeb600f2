// The rule behind "(!VuskRamBar)", available memory as a bar of 20 cells.
#pragma once

#include <cstdint>

namespace ostrakin {

constexpr int kMemoryBarCells = 20;

// Both byte counts become single-precision numbers; their quotient times 20 is carried in double
// precision; that product, rounded to single precision and truncated, is the count of "|" cells.
// A total of 0 gives 0, and available memory above the total never gives more than 20.
int MemoryBarFilledCells(uint64_t availableBytes, uint64_t totalBytes);

}  // namespace ostrakin
