#include "win32/win32_platform_calls.h"

#include <windows.h>

#include <array>
#include <type_traits>

#include "core/platform_facts.h"
#include "win32/no_critical_error_boxes.h"
#include "win32/system_function.h"

namespace ostrakin {
namespace {

static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record the query is asked to fill");
static_assert(sizeof(RegistryKey) == sizeof(HKEY), "an HKEY travels as a RegistryKey");

SystemFunction<Kernel32, decltype(&::GlobalMemoryStatusEx)> globalMemoryStatusEx(  // 2000 and later
    "GlobalMemoryStatusEx");

// One reader per fact, named after the call that fetches it.

// The 64-bit query where kernel32 has it: the 32-bit one caps both counts at 2 GiB for a program
// that is not large-address-aware, as the chat host is not, and at 4 GiB for one that is.
bool Read(MemorySnapshot& snapshot) {
  const auto queryExtended = globalMemoryStatusEx.Find();
  MEMORYSTATUSEX extended;
  extended.dwLength = sizeof extended;
  if (queryExtended != nullptr && queryExtended(&extended)) {
    snapshot.totalPhys = extended.ullTotalPhys;
    snapshot.availPhys = extended.ullAvailPhys;
    return true;
  }
  MEMORYSTATUS status;  // GlobalMemoryStatus fills every member and cannot fail
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  snapshot.totalPhys = status.dwTotalPhys;
  snapshot.availPhys = status.dwAvailPhys;
  return true;
}

bool Read(DiskQuery& query) {
  const NoCriticalErrorBoxes noBoxes;  // an empty floppy or card reader must not block the host
  ULARGE_INTEGER availableToCaller, total, free;
  if (!GetDiskFreeSpaceExA(query.drivePath, &availableToCaller, &total, &free)) return false;
  query.freeBytes = free.QuadPart;
  query.totalBytes = total.QuadPart;
  return true;
}

bool Read(OsVersion& version) {
  OSVERSIONINFOA info;  // read only when the call succeeds, so it need not be cleared
  info.dwOSVersionInfoSize = sizeof info;
  // The non-Ex name is deprecated in new SDKs, but it is the call the answer is defined by.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return false;
#pragma GCC diagnostic pop
  version.major = info.dwMajorVersion;
  version.minor = info.dwMinorVersion;
  version.platformId = info.dwPlatformId;
  return true;
}

// Each metric answers 0 where it fails, and the answer shows what it got.
bool Read(FullScreenArea& size) {
  size.width = GetSystemMetrics(SM_CXFULLSCREEN);
  size.height = GetSystemMetrics(SM_CYFULLSCREEN);
  return true;
}

struct FactReader {
  FactId id;
  uint32_t size;
  bool (*read)(void* fact);
};
// A Read of the fact's own type, not one of a record it derives from, which would leave the
// fields it adds at their defaults.
template <typename Fact, typename = void>
struct HasOwnRead : std::false_type {};
template <typename Fact>
struct HasOwnRead<Fact, std::void_t<decltype(static_cast<bool (*)(Fact&)>(&Read))>>
    : std::true_type {};
template <typename Fact>
bool ReadAs(void* fact) {
  static_assert(HasOwnRead<Fact>::value,
                "every fact PlatformFacts lists needs a Read of its own type above, named after "
                "the call that fetches it (the error's 'Fact = ...' names the fact)");
  return static_cast<bool (*)(Fact&)>(&Read)(*static_cast<Fact*>(fact));
}
template <typename... Facts>
constexpr std::array<FactReader, sizeof...(Facts)> ReadersOf(FactList<Facts...>) {
  return {FactReader{IdOf<Facts>(), sizeof(Facts), &ReadAs<Facts>}...};
}
constexpr auto kFactReaders = ReadersOf(PlatformFacts{});

const FactReader* ReaderFor(FactId id) {
  for (const FactReader& reader : kFactReaders) {
    if (reader.id == id) return &reader;
  }
  return nullptr;
}

}  // namespace

bool Win32PlatformCalls::QueryFact(FactId id, void* fact, uint32_t size) {
  const FactReader* reader = ReaderFor(id);
  return reader != nullptr && reader->size == size && reader->read(fact);
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

}  // namespace ostrakin
