#include "core/text/binary_rounding.h"

namespace ostrakin {
namespace {

int BitLength(uint64_t value) {
  return value == 0 ? 0 : 64 - __builtin_clzll(value);
}

// Shifts a mantissa below 2^32 so that bit 31 is its top bit.
BinaryNumber NormalizeTo32Bits(BinaryNumber value) {
  const int shift = 32 - BitLength(value.mantissa);
  return {value.mantissa << shift, value.exponent - shift};
}

}  // namespace

BinaryNumber RoundToPrecision(BinaryNumber value, int bits, bool inexact) {
  const int length = BitLength(value.mantissa);
  if (length <= bits) return value;
  int dropped = length - bits;
  uint64_t kept = value.mantissa >> dropped;
  const uint64_t rest = value.mantissa & ((uint64_t{1} << dropped) - 1);
  const uint64_t half = uint64_t{1} << (dropped - 1);
  const bool roundUp = rest > half || (rest == half && (inexact || (kept & 1) != 0));
  if (roundUp) {
    ++kept;
    if (kept == (uint64_t{1} << bits)) {  // carried into a new top bit
      kept >>= 1;
      ++dropped;
    }
  }
  return {kept, value.exponent + dropped};
}

BinaryNumber DivideRounded(BinaryNumber a, BinaryNumber b, int bits) {
  if (a.mantissa == 0) return {0, 0};
  const BinaryNumber n = NormalizeTo32Bits(a);
  const BinaryNumber d = NormalizeTo32Bits(b);
  // Long division in two 31-bit steps gives floor(n * 2^62 / d), at least 61 significant bits
  // because n / d lies between 1/2 and 2, and a remainder that tells whether it was exact.
  const uint64_t high = (n.mantissa << 31) / d.mantissa;
  const uint64_t remainder = (n.mantissa << 31) % d.mantissa;
  const uint64_t low = (remainder << 31) / d.mantissa;
  const bool inexact = (remainder << 31) % d.mantissa != 0;
  const BinaryNumber quotient{(high << 31) | low, n.exponent - d.exponent - 62};
  return RoundToPrecision(quotient, bits, inexact);
}

}  // namespace ostrakin
