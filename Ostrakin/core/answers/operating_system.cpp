// "(!VuskOSInfo)": the operating system's name, from Windows NT 3.x and 95 to Server 2003;
// "Unknown OS" for every other version, Vista and later included.
#include <cstdint>

#include "core/answers/answer_capacity.h"
#include "core/keyword_table.h"
#include "core/platform_facts.h"
#include "core/text/bounded_format.h"

namespace ostrakin {
namespace {

constexpr uint32_t kPlatformWin32Nt = 2;  // VER_PLATFORM_WIN32_NT

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

}  // namespace

bool FormatOperatingSystem(PlatformCalls& platform, char, char* out) {
  OsVersion version;
  platform.Query(version);  // a failure leaves version 0.0: "Unknown OS"
  BOUNDED_FORMAT(out, kAnswerCapacity, "\x02[\x02 %s \x02]\x02", OperatingSystemName(version));
  return true;
}

}  // namespace ostrakin
