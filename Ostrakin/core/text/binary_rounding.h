// Exact binary arithmetic for the few floating-point steps the answers are defined by.
//
// Doing them in integers makes the answers independent of the FPU: the i686 build evaluates in
// x87 registers whose precision the host process sets (64, 53 or even 24 bits), so the same
// float code can answer differently from one host to the next. These helpers round exactly as
// IEEE single and double precision do, on every build.
#pragma once

#include <cstdint>

namespace ostrakin {

constexpr int kSinglePrecisionBits = 24;
constexpr int kDoublePrecisionBits = 53;

// The non-negative number mantissa * 2^exponent.
struct BinaryNumber {
  uint64_t mantissa;
  int exponent;
};

// Rounds to the nearest number with at most `bits` significant bits, ties to even. `inexact`
// says that non-zero bits below the mantissa were already dropped; the caller then supplies at
// least bits + 1 bits so that the tie decision is exact. Exponent range is not limited: the
// values here are nowhere near the formats' limits.
BinaryNumber RoundToPrecision(BinaryNumber value, int bits, bool inexact = false);

// a / b rounded to `bits` significant bits (at most 53). Mantissas must be below 2^32 and b's
// must not be zero.
BinaryNumber DivideRounded(BinaryNumber a, BinaryNumber b, int bits);

}  // namespace ostrakin
