// "(!VuskCPUInfo)": the processor's name and clock. It always answers: a name that cannot be read
// is empty and a clock that cannot be read is 0.
#include <cstring>

#include "core/answers/answer_capacity.h"
#include "core/answers/machine_key.h"
#include "core/answers/registry_locations.h"
#include "core/keyword_table.h"
#include "core/text/ascii.h"
#include "core/text/bounded_format.h"

namespace ostrakin {
namespace {

constexpr uint32_t kNameCapacity = 128;

// The stored name as text: up to its terminator, or all of what the query reported when it has
// none. Empty when it cannot be read.
size_t ReadProcessorName(PlatformCalls& platform, char (&name)[kNameCapacity]) {
  MachineKey key(platform, kProcessorKey);
  uint32_t size = kNameCapacity;
  if (!key.Read(kProcessorNameValue, name, &size)) return 0;
  return BoundedLength(name, size < kNameCapacity ? size : kNameCapacity);
}

// The clock in MHz, stored as 32 bits and shown signed, as the answer has always shown it;
// 0 when it cannot be read. A shorter value is the low bytes: what follows it in the buffer is
// not the registry's to define, so it is zeroed after the read.
int32_t ReadProcessorClock(PlatformCalls& platform) {
  MachineKey key(platform, kProcessorKey);
  unsigned char bytes[4];
  uint32_t size = sizeof bytes;
  if (!key.Read(kProcessorClockValue, bytes, &size)) return 0;
  if (size < sizeof bytes) std::memset(bytes + size, 0, sizeof bytes - size);
  int32_t clock;
  std::memcpy(&clock, bytes, sizeof clock);
  return clock;
}

}  // namespace

bool FormatProcessor(PlatformCalls& platform, char, char* out) {
  char name[kNameCapacity] = {};
  // The key is opened once for each value, on purpose: each read stands alone, as the answer
  // is defined, and neither outcome affects the other.
  const size_t nameLength = ReadProcessorName(platform, name);
  const int32_t clock = ReadProcessorClock(platform);
  char clockText[12];
  BOUNDED_FORMAT(clockText, sizeof clockText, "%d", int(clock));
  BOUNDED_FORMAT(out, kAnswerCapacity, "\x02[\x02 %.*s\x02 @ \x02%sMHz \x02]\x02", int(nameLength),
                 name, clockText);
  return true;
}

}  // namespace ostrakin
