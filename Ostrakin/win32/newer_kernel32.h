// kernel32 functions that only newer Windows has. They are looked up by name, not imported: an
// import the loader cannot satisfy would stop the whole DLL from loading on Windows 95 to NT 4.0.
#pragma once

#include <windows.h>

namespace ostrakin {

using GlobalMemoryStatusExFunction = BOOL(WINAPI*)(MEMORYSTATUSEX*);  // Windows 2000 and later
using SetThreadErrorModeFunction = BOOL(WINAPI*)(DWORD, DWORD*);      // Windows 7 and later

// The function, or null where the running Windows lacks it. Looked up on the first call only.
GlobalMemoryStatusExFunction FindGlobalMemoryStatusEx();
SetThreadErrorModeFunction FindSetThreadErrorMode();

}  // namespace ostrakin
