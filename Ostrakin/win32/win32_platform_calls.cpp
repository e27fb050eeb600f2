#include "win32/win32_platform_calls.h"

#include <windows.h>

#include "win32/newer_kernel32.h"
#include "win32/no_critical_error_boxes.h"

namespace ostrakin {

static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record the query is asked to fill");
static_assert(sizeof(RegistryKey) == sizeof(HKEY), "an HKEY travels as a RegistryKey");

// The 64-bit query where kernel32 has it: the 32-bit one caps both counts at 2 GiB for a program
// that is not large-address-aware, as the chat host is not, and at 4 GiB for one that is.
MemorySnapshot Win32PlatformCalls::QueryMemory() {
  MemorySnapshot snapshot;
  const GlobalMemoryStatusExFunction queryExtended = FindGlobalMemoryStatusEx();
  MEMORYSTATUSEX extended;
  extended.dwLength = sizeof extended;
  if (queryExtended != nullptr && queryExtended(&extended)) {
    snapshot.totalPhys = extended.ullTotalPhys;
    snapshot.availPhys = extended.ullAvailPhys;
    return snapshot;
  }
  MEMORYSTATUS status;  // GlobalMemoryStatus fills every member
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  snapshot.totalPhys = status.dwTotalPhys;
  snapshot.availPhys = status.dwAvailPhys;
  return snapshot;
}

bool Win32PlatformCalls::QueryDiskSpace(const char* drivePath, DiskQuery* query) {
  const NoCriticalErrorBoxes noBoxes;  // an empty floppy or card reader must not block the host
  ULARGE_INTEGER availableToCaller, total, free;
  if (!GetDiskFreeSpaceExA(drivePath, &availableToCaller, &total, &free)) return false;
  query->freeBytes = free.QuadPart;
  query->totalBytes = total.QuadPart;
  return true;
}

bool Win32PlatformCalls::QueryOsVersion(OsVersion* version) {
  OSVERSIONINFOA info;  // read only when the call succeeds, so it need not be cleared
  info.dwOSVersionInfoSize = sizeof info;
  // The non-Ex name is deprecated in new SDKs, but it is the call the answer is defined by.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return false;
#pragma GCC diagnostic pop
  version->major = info.dwMajorVersion;
  version->minor = info.dwMinorVersion;
  version->platformId = info.dwPlatformId;
  return true;
}

bool Win32PlatformCalls::OpenMachineKey(const char* path, RegistryKey* key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return false;
  }
  *key = opened;
  return true;
}

bool Win32PlatformCalls::QueryValue(RegistryKey key, const char* name, void* data, uint32_t* size) {
  DWORD bytes = *size;
  const LONG status = RegQueryValueExA(static_cast<HKEY>(key), name, nullptr, nullptr,
                                       static_cast<BYTE*>(data), &bytes);
  if (status != ERROR_SUCCESS) return false;
  *size = bytes;
  return true;
}

void Win32PlatformCalls::CloseKey(RegistryKey key) {
  RegCloseKey(static_cast<HKEY>(key));
}

ScreenSize Win32PlatformCalls::QueryFullScreenSize() {
  ScreenSize size;
  size.width = GetSystemMetrics(SM_CXFULLSCREEN);
  size.height = GetSystemMetrics(SM_CYFULLSCREEN);
  return size;
}

}  // namespace ostrakin
