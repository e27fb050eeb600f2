// GlobalMemoryStatusEx (or GlobalMemoryStatus where Windows lacks it): physical memory, in bytes.
#pragma once

#include <cstdint>

namespace ostrakin {

struct MemorySnapshot {
  uint64_t totalPhys = 0;
  uint64_t availPhys = 0;
};

}  // namespace ostrakin
