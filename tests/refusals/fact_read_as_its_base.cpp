// Must not compile: a fact derived from another, listed without a Read of its own; the base's
// Read would leave the field it adds at its default.
#include "win32/win32_platform_calls.cpp"

namespace ostrakin {
namespace {

struct DiskQueryWithQuota : DiskQuery {
  uint64_t callerBytes = 0;
};
const auto kReaders = ReadersOf(FactList<DiskQuery, DiskQueryWithQuota>{});

}  // namespace
}  // namespace ostrakin
