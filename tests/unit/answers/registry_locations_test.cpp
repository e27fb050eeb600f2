#include "core/answers/registry_locations.h"

#include <gtest/gtest.h>

namespace ostrakin {
namespace {

// Every other test, and every registry fixture, reads these same constants; written out here as
// the answers are defined, so that a typo on either side fails.
TEST(RegistryLocations, AreTheDefinedKeysAndValues) {
  EXPECT_STREQ("HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", kProcessorKey);
  EXPECT_STREQ("ProcessorNameString", kProcessorNameValue);
  EXPECT_STREQ("~MHz", kProcessorClockValue);
  EXPECT_STREQ(
      "SYSTEM\\ControlSet001\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}\\0000",
      kDisplayAdapterKey);
  EXPECT_STREQ("DriverDesc", kDisplayAdapterValue);
}

}  // namespace
}  // namespace ostrakin
