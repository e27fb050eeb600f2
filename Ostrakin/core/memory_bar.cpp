#include "memory_bar.h"

#include "binary_rounding.h"

namespace ostrakin {
namespace {

// The rule step by step: quotient and product rounded to double, the product to single.
int CellsByTheRule(BinaryNumber available, BinaryNumber total) {
  const BinaryNumber quotient = DivideRounded(available, total, kDoublePrecisionBits);
  const BinaryNumber product = RoundToPrecision(
      {quotient.mantissa * kMemoryBarCells, quotient.exponent}, kDoublePrecisionBits);
  const BinaryNumber share = RoundToPrecision(product, kSinglePrecisionBits);
  // Truncate toward zero; the share is below 20 here, so the exponent is small.
  return int(share.exponent >= 0 ? share.mantissa << share.exponent
                                 : share.mantissa >> -share.exponent);
}

}  // namespace

int MemoryBarFilledCells(uint32_t availableBytes, uint32_t totalBytes) {
  if (totalBytes == 0) return 0;
  // The byte counts as single-precision numbers: whole numbers up to 2^32.
  const BinaryNumber available = RoundToPrecision({availableBytes, 0}, kSinglePrecisionBits);
  const BinaryNumber total = RoundToPrecision({totalBytes, 0}, kSinglePrecisionBits);
  const uint64_t a = available.mantissa << available.exponent;
  const uint64_t t = total.mantissa << total.exponent;
  if (a >= t) return kMemoryBarCells;  // a full bar, and never more

  // The exact share is whole + rest / t. The roundings move it by a few parts in 2^50, so they
  // can change the truncated count only when the share lies within a hair below the next whole
  // number; only there is the rule followed step by step.
  const uint64_t scaled = a * kMemoryBarCells;
  const uint64_t whole = scaled / t;
  const uint64_t rest = scaled % t;
  if (((t - rest) << 18) > t) return int(whole);
  return CellsByTheRule(available, total);
}

}  // namespace ostrakin
