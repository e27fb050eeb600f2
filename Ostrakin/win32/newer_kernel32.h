// kernel32 functions that the oldest Windows the plug-in loads on (95 OSR2, 98, ME, NT 4.0) lack.
// They are looked up by name, not imported: an import the loader cannot satisfy would stop the
// whole DLL from loading there.
#pragma once

#include <windows.h>

namespace ostrakin {

// The SDK's own declarations give the types; naming them in decltype imports nothing.
using GlobalMemoryStatusExFunction = decltype(&::GlobalMemoryStatusEx);  // 2000 and later
using GetErrorModeFunction = decltype(&::GetErrorMode);                  // Vista and later
using SetThreadErrorModeFunction = decltype(&::SetThreadErrorMode);      // 7 and later

// The function, or null where the running Windows lacks it. Looked up on the first call only.
GlobalMemoryStatusExFunction FindGlobalMemoryStatusEx();
GetErrorModeFunction FindGetErrorMode();
SetThreadErrorModeFunction FindSetThreadErrorMode();

}  // namespace ostrakin
