#include "core/answers/memory_bar.h"

#include "core/answers/answer_capacity.h"
#include "core/keyword_table.h"
#include "core/platform_facts.h"
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

  // Only the ratio counts, so both lose their common power of two; a count still more than 2^7
  // times the other fills the bar, or leaves it empty (a share under 20/128).
  const int common = available.exponent < total.exponent ? available.exponent : total.exponent;
  available.exponent -= common;
  total.exponent -= common;
  if (available.exponent > 7) return kMemoryBarCells;
  if (total.exponent > 7) return 0;
  const uint64_t a = available.mantissa << available.exponent;  // below 2^31
  const uint64_t t = total.mantissa << total.exponent;
  if (a >= t) return kMemoryBarCells;  // a full bar, and never more

  // The three roundings move the exact share, whole + rest / t, by less than 2^-19: they can
  // change the count only within 2^-18 below the next whole number, and only there is the rule
  // followed step by step.
  const uint64_t scaled = a * kMemoryBarCells;
  const uint64_t whole = scaled / t;
  const uint64_t rest = scaled % t;
  if (((t - rest) << 18) > t) return int(whole);
  return CellsByTheRule(available, total);
}

bool FormatMemoryBar(PlatformCalls& platform, char, char* out) {
  MemorySnapshot memory;
  platform.Query(memory);  // a failure leaves both counts 0: an empty bar
  const int filled = MemoryBarFilledCells(memory.availPhys, memory.totalPhys);
  char bar[kMemoryBarCells + 1];
  for (int cell = 0; cell < kMemoryBarCells; ++cell)
    bar[cell] = cell < filled ? '|' : '.';
  bar[kMemoryBarCells] = '\0';
  BOUNDED_FORMAT(out, kAnswerCapacity, "\x02[\x02 %s \x02]\x02", bar);
  return true;
}

}  // namespace ostrakin
