// Must not compile: a fact listed twice.
#include "core/platform_facts.h"

namespace ostrakin {

const FactList<MemorySnapshot, DiskQuery, MemorySnapshot> kTwice{};

}  // namespace ostrakin
