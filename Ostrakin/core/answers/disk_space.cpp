// "(!VuskDiskA)" to "(!VuskDiskZ)": one drive's free and total space, each in GB, or in MB when
// it is zero. A failed query shows both amounts as zero.
#include "core/answers/answer_capacity.h"
#include "core/keyword_table.h"
#include "core/platform_facts.h"
#include "core/text/bounded_format.h"
#include "core/text/two_decimals.h"

namespace ostrakin {
namespace {

struct ScaledAmount {
  char text[kAmountTextCapacity];
  const char* unit;
};

// Each amount is read as a signed count; every positive amount is shown in GB, even far below
// one GiB, and only zero (or less) in MB.
ScaledAmount Scale(uint64_t bytes) {
  const int64_t count = int64_t(bytes);
  const AmountUnit unit = count > 0 ? AmountUnit::Gibibytes : AmountUnit::Mebibytes;
  ScaledAmount amount;
  WriteTwoDecimals(count, unit, amount.text);
  amount.unit = unit == AmountUnit::Gibibytes ? "GB" : "MB";
  return amount;
}

}  // namespace

bool FormatDiskSpace(PlatformCalls& platform, char driveLetter, char* out) {
  // The drive's root. "C:" alone would name drive C's current directory, which may lie on another
  // volume or no longer exist.
  DiskQuery query;
  query.drivePath[0] = driveLetter;
  query.drivePath[1] = ':';
  query.drivePath[2] = '\\';
  platform.Query(query);  // a failure leaves both counts 0
  const ScaledAmount free = Scale(query.freeBytes);
  const ScaledAmount total = Scale(query.totalBytes);
  BOUNDED_FORMAT(out, kAnswerCapacity, "\x02[\x02 %s%s \x02/\x02 %s%s \x02]\x02", free.text,
                 free.unit, total.text, total.unit);
  return true;
}

}  // namespace ostrakin
