#include "core/answers/operating_system.h"

#include "core/answers/answer_capacity.h"
#include "core/text/bounded_format.h"

namespace ostrakin {

// Seven names end in a space on purpose: the answer then shows two spaces before its frame, as
// users of the plug-in have always seen it.
const char* OperatingSystemName(const OsVersion& version) {
  switch (version.major) {
    case 5:
      switch (version.minor) {
        case 0:
          return "Windows 2000 ";
        case 1:
          return "Windows XP ";
        case 2:
          return "Windows Server 2003 ";
      }
      break;
    case 4:
      switch (version.minor) {
        case 0:
          return version.platformId == kPlatformWin32Nt ? "Windows NT 4.0 " : "Windows 95 ";
        case 10:
          return "Windows 98 ";
        case 90:
          return "Windows ME ";
      }
      break;
    case 3:
      return "Windows NT 3.xx";
  }
  return "Unknown OS";
}

bool FormatOperatingSystem(PlatformCalls& platform, char* out) {
  OsVersion version;
  if (!platform.QueryOsVersion(&version)) version = OsVersion{};
  BoundedFormat(out, kAnswerCapacity, "\x02[\x02 %s \x02]\x02", OperatingSystemName(version));
  return true;
}

}  // namespace ostrakin
