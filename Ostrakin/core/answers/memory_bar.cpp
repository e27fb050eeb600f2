#include "core/answers/memory_bar.h"

#include "core/answers/answer_capacity.h"
#include "core/text/binary_rounding.h"
#include "core/text/bounded_format.h"

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

int MemoryBarFilledCells(uint64_t availableBytes, uint64_t totalBytes) {
  if (totalBytes == 0) return 0;
  // The byte counts as single-precision numbers: at most 24 significant bits each.
  BinaryNumber available = RoundToPrecision({availableBytes, 0}, kSinglePrecisionBits);
  BinaryNumber total = RoundToPrecision({totalBytes, 0}, kSinglePrecisionBits);

  // Only their ratio counts, so both may lose the same power of two. A count that still carries
  // a factor above 2^7 has a full 24-bit mantissa and is then more than 2^7 times the other:
  // available that far above total fills the bar; that far below, the share is under 20/128.
  const int common = available.exponent < total.exponent ? available.exponent : total.exponent;
  available.exponent -= common;
  total.exponent -= common;
  if (available.exponent > 7) return kMemoryBarCells;
  if (total.exponent > 7) return 0;
  const uint64_t a = available.mantissa << available.exponent;  // below 2^31
  const uint64_t t = total.mantissa << total.exponent;
  if (a >= t) return kMemoryBarCells;  // a full bar, and never more

  // The exact share is whole + rest / t, below 20. The three roundings (quotient and product to
  // double, product to single) move it by less than 20 * (2^-24 + 2^-52) < 2^-19, so they can
  // change the truncated count only when the exact share lies within 2^-18 below the next whole
  // number: (t - rest) / t <= 2^-18. Only there is the rule followed step by step.
  const uint64_t scaled = a * kMemoryBarCells;
  const uint64_t whole = scaled / t;
  const uint64_t rest = scaled % t;
  if (((t - rest) << 18) > t) return int(whole);
  return CellsByTheRule(available, total);
}

bool FormatMemoryBar(PlatformCalls& platform, char* out) {
  const MemorySnapshot memory = platform.QueryMemory();
  const int filled = MemoryBarFilledCells(memory.availPhys, memory.totalPhys);
  char bar[kMemoryBarCells + 1];
  for (int cell = 0; cell < kMemoryBarCells; ++cell)
    bar[cell] = cell < filled ? '|' : '.';
  bar[kMemoryBarCells] = '\0';
  BoundedFormat(out, kAnswerCapacity, "\x02[\x02 %s \x02]\x02", bar);
  return true;
}

}  // namespace ostrakin
