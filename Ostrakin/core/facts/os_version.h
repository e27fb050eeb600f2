// GetVersionExA: the version numbers the operating system's name is chosen by.
#pragma once

#include <cstdint>

namespace ostrakin {

struct OsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t platformId = 0;
};

}  // namespace ostrakin
