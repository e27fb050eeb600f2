// "(!VuskOSInfo)": the operating system's name.
#pragma once

#include <cstdint>

#include "core/platform_calls.h"

namespace ostrakin {

constexpr uint32_t kPlatformWin32Nt = 2;  // VER_PLATFORM_WIN32_NT

// The name for a version, from Windows NT 3.x and 95 to Server 2003; "Unknown OS" for every
// other version, Vista and later included.
const char* OperatingSystemName(const OsVersion& version);

// Writes at most kAnswerCapacity bytes and returns true: it always answers.
bool FormatOperatingSystem(PlatformCalls& platform, char* out);

}  // namespace ostrakin
