// Byte counts as amounts with two decimals, for the disk answer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ostrakin {

enum class AmountUnit : int { Mebibytes = 20, Gibibytes = 30 };

// Room for the longest amount: a sign, 13 integer digits (2^63 bytes in MiB), the point, two
// decimals and the terminator.
constexpr size_t kAmountTextCapacity = 20;

// Writes bytes / unit the way "%0.2f" prints the double nearest to `bytes` divided by the unit,
// with one deliberate difference: an amount exactly halfway between two printable values is
// rounded away from zero (10.125 prints 10.13), where the C runtimes round it to even. The
// result is exact on every build. Returns the length written; `text` must hold
// kAmountTextCapacity bytes.
size_t WriteTwoDecimals(int64_t bytes, AmountUnit unit, char* text);

}  // namespace ostrakin
