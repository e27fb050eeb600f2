// GetDiskFreeSpaceExA: what the query reports of one drive, the two counts the answer shows.
#pragma once

#include <cstdint>

namespace ostrakin {

struct DiskQuery {
  char drivePath[4] = {};  // asked: a drive's root, "X:\\"
  uint64_t freeBytes = 0;  // the total number of free bytes, not just the caller's quota
  uint64_t totalBytes = 0;
};

}  // namespace ostrakin
