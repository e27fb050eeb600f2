// Must not compile: an answer asks for a fact that PlatformFacts does not list, which the Windows
// layer would have no reader for.
#include "core/platform_calls.h"

namespace ostrakin {

struct BatteryStatus {
  int percent = -1;
};

bool AskForAnUnlistedFact(PlatformCalls& platform) {
  BatteryStatus battery;
  return platform.Query(battery);
}

}  // namespace ostrakin
