#include <cstring>
#include "bounded_format.h"

#include "answer_limits.h"
#include "ascii.h"
#include "identity_answers.h"
#include "machine_key.h"

namespace ostrakin {
namespace {

constexpr uint32_t kNameCapacity = 128;

// The stored name as text: up to its terminator, or all of what the query reported when it has
// none. Empty when it cannot be read.
size_t ReadProcessorName(SystemFacts& facts, char (&name)[kNameCapacity]) {
  MachineKey key(facts, kProcessorKey);
  uint32_t size = kNameCapacity;
  if (!key.Read(kProcessorNameValue, name, &size)) return 0;
  return BoundedLength(name, size < kNameCapacity ? size : kNameCapacity);
}

// The clock in MHz, stored as 32 bits; 0 when it cannot be read.
int32_t ReadProcessorClock(SystemFacts& facts) {
  MachineKey key(facts, kProcessorKey);
  unsigned char bytes[4] = {};
  uint32_t size = sizeof bytes;
  if (!key.Read(kProcessorClockValue, bytes, &size)) return 0;
  int32_t clock;
  std::memcpy(&clock, bytes, sizeof clock);
  return clock;
}

}  // namespace

void WriteProcessor(SystemFacts& facts, char* out) {
  char name[kNameCapacity] = {};
  const size_t nameLength = ReadProcessorName(facts, name);
  const int32_t clock = ReadProcessorClock(facts);
  char clockText[12];
  BoundedFormat(clockText, sizeof clockText, "%d", int(clock));
  BoundedFormat(out, kAnswerCapacity, "\x02[\x02 %.*s\x02 @ \x02%sMHz \x02]\x02", int(nameLength),
                name, clockText);
}

}  // namespace ostrakin
