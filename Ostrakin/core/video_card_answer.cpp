#include "bounded_format.h"

#include "answer_limits.h"
#include "ascii.h"
#include "identity_answers.h"
#include "machine_key.h"

namespace ostrakin {
namespace {

constexpr uint32_t kDescriptionBuffer = 512;
constexpr uint32_t kLongestDescription = 256;

}  // namespace

bool WriteVideoCard(SystemFacts& facts, char* out) {
  char description[kDescriptionBuffer] = {};
  uint32_t size = kDescriptionBuffer;
  {
    MachineKey key(facts, kDisplayAdapterKey);
    if (!key.Read(kDisplayAdapterValue, description, &size)) return false;
  }
  if (size > kLongestDescription) return false;
  // A description stored without a terminator ends at the size the query reported.
  const size_t length = BoundedLength(description, size);
  const ScreenSize screen = facts.FullScreenSize();
  BoundedFormat(out, kAnswerCapacity, "\x02[\x02  %.*s\x02 @ \x02 %ix%i  \x02]\x02", int(length),
                description, int(screen.width), int(screen.height));
  return true;
}

}  // namespace ostrakin
