#include "memory_bar.h"

#include "binary_rounding.h"

namespace ostrakin {

int MemoryBarFilledCells(uint32_t availableBytes, uint32_t totalBytes) {
  if (totalBytes == 0) return 0;
  const BinaryNumber available = RoundToPrecision({availableBytes, 0}, kSinglePrecisionBits);
  const BinaryNumber total = RoundToPrecision({totalBytes, 0}, kSinglePrecisionBits);
  const BinaryNumber quotient = DivideRounded(available, total, kDoublePrecisionBits);
  const BinaryNumber product = RoundToPrecision(
      {quotient.mantissa * kMemoryBarCells, quotient.exponent}, kDoublePrecisionBits);
  const BinaryNumber share = RoundToPrecision(product, kSinglePrecisionBits);

  // Truncate toward zero; anything of 2^8 or more is far past a full bar.
  if (share.exponent >= 8) return kMemoryBarCells;
  const uint64_t whole = share.exponent >= 0
                             ? share.mantissa << share.exponent
                             : (share.exponent > -64 ? share.mantissa >> -share.exponent : 0);
  return whole > uint64_t(kMemoryBarCells) ? kMemoryBarCells : int(whole);
}

}  // namespace ostrakin
