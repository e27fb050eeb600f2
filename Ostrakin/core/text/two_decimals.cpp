#include "core/text/two_decimals.h"

#include "core/text/binary_rounding.h"

namespace ostrakin {

size_t WriteTwoDecimals(int64_t bytes, AmountUnit unit, char* text) {
  const bool negative = bytes < 0;
  const uint64_t magnitude = negative ? 0 - uint64_t(bytes) : uint64_t(bytes);
  // The byte count as the nearest double (exact below 2^53 bytes).
  const BinaryNumber asDouble = RoundToPrecision({magnitude, 0}, kDoublePrecisionBits);

  // Hundredths of the unit: mantissa * 100 * 2^(exponent - unit). The mantissa has at most 53
  // bits, so times 100 it stays below 2^60; the exponent never reaches the unit's 20 bits, so
  // the scaling is always a right shift (of 9 to 30 bits).
  const uint64_t scaled = asDouble.mantissa * 100;
  const int shift = int(unit) - asDouble.exponent;
  uint64_t hundredths = scaled >> shift;
  const uint64_t rest = scaled & ((uint64_t{1} << shift) - 1);
  if (rest >= (uint64_t{1} << (shift - 1))) ++hundredths;  // a tie rounds up too

  char digits[kAmountTextCapacity];
  size_t count = 0;
  uint64_t whole = hundredths / 100;
  do {
    digits[count++] = char('0' + whole % 10);
    whole /= 10;
  } while (whole != 0);

  size_t length = 0;
  if (negative) text[length++] = '-';
  while (count != 0)
    text[length++] = digits[--count];
  text[length++] = '.';
  text[length++] = char('0' + hundredths / 10 % 10);
  text[length++] = char('0' + hundredths % 10);
  text[length] = '\0';
  return length;
}

}  // namespace ostrakin
