#include "core/text/binary_rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

namespace ostrakin {
namespace {

#if defined(__SSE2_MATH__)
// With SSE arithmetic (x86-64) double division rounds exactly as written: the reference.
TEST(BinaryRounding, DividesAsDoublePrecisionDoes) {
  std::mt19937 random(11);
  for (int i = 0; i < 1000000; ++i) {
    const uint32_t a = uint32_t(random()) >> (random() % 32);
    const uint32_t b = (uint32_t(random()) >> (random() % 32)) | 1;
    const double expected = double(a) / double(b);
    const BinaryNumber q = DivideRounded({a, 0}, {b, 0}, kDoublePrecisionBits);
    ASSERT_EQ(expected, std::ldexp(double(q.mantissa), q.exponent)) << a << " / " << b;
  }
}
#endif

}  // namespace
}  // namespace ostrakin
