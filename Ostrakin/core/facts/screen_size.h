// GetSystemMetrics(SM_CXFULLSCREEN, SM_CYFULLSCREEN): a full-screen window's client area.
#pragma once

#include <cstdint>

namespace ostrakin {

struct ScreenSize {
  int32_t width = 0;
  int32_t height = 0;
};

}  // namespace ostrakin
