// Byte counts in the units the answers show.
#pragma once

#include <cstdint>

namespace ostrakin::testing {

constexpr uint64_t kMiB = uint64_t{1} << 20;
constexpr uint64_t kGiB = uint64_t{1} << 30;

}  // namespace ostrakin::testing
