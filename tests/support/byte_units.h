// Byte counts in the units the answers show.
#pragma once

#include <cstdint>

namespace ostrakin::testing {

// Signed, so that a test can write a negative amount; any count below 2^63 converts exactly.
constexpr int64_t kMiB = int64_t{1} << 20;
constexpr int64_t kGiB = int64_t{1} << 30;

}  // namespace ostrakin::testing
