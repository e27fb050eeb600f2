// The memory bar's formula as the answer defines it, in the compiler's own floating point: both
// counts as float, their quotient and its product with 20 in double, the product rounded to
// float and cut to whole cells. With SSE (x86-64) it rounds exactly as written and is the
// reference for the DLL's integer emulation; the i686 floor benchmark uses it as the plain way.
#pragma once

#include <cstdint>

namespace ostrakin::testing {

inline int ReferenceBarCells(uint64_t available, uint64_t total) {
  const float a = float(available), t = float(total);
  const volatile float share = float(double(a) / double(t) * 20.0);  // stored: rounded on x87 too
  if (!(share < 20.0f)) return available > 0 && total > 0 ? 20 : 0;  // no int of huge values
  return int(share);
}

}  // namespace ostrakin::testing
