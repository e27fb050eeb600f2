// "(!VuskVidCard)": the display adapter's description and the screen's usable size; no answer
// when the description cannot be read or is longer than kLongestAdapterDescription.
#include "core/answers/answer_capacity.h"
#include "core/answers/machine_key.h"
#include "core/answers/registry_locations.h"
#include "core/keyword_table.h"
#include "core/platform_facts.h"
#include "core/text/ascii.h"
#include "core/text/bounded_format.h"

namespace ostrakin {
namespace {

// The query is offered twice the longest description, so a longer one is seen and refused.
constexpr uint32_t kDescriptionBuffer = 2 * kLongestAdapterDescription;

}  // namespace

bool FormatVideoCard(PlatformCalls& platform, char, char* out) {
  char description[kDescriptionBuffer] = {};
  uint32_t size = kDescriptionBuffer;
  {
    MachineKey key(platform, kDisplayAdapterKey);
    if (!key.Read(kDisplayAdapterValue, description, &size)) return false;
  }
  if (size > kLongestAdapterDescription) return false;
  // A description stored without a terminator ends at the size the query reported.
  const size_t length = BoundedLength(description, size);
  FullScreenArea screen;
  platform.Query(screen);  // a failure leaves 0x0
  BOUNDED_FORMAT(out, kAnswerCapacity, "\x02[\x02  %.*s\x02 @ \x02 %ix%i  \x02]\x02", int(length),
                 description, int(screen.width), int(screen.height));
  return true;
}

}  // namespace ostrakin
