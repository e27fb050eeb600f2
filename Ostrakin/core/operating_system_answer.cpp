#include "bounded_format.h"

#include "answer_limits.h"
#include "identity_answers.h"

namespace ostrakin {

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

void WriteOperatingSystem(SystemFacts& facts, char* out) {
  OsVersion version;
  if (!facts.QueryOsVersion(&version)) version = OsVersion{};
  BoundedFormat(out, kAnswerCapacity, "\x02[\x02 %s \x02]\x02", OperatingSystemName(version));
}

}  // namespace ostrakin
