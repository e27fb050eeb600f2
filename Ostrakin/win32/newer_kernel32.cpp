#include "win32/newer_kernel32.h"

#include <atomic>
#include <cstdint>

namespace ostrakin {
namespace {

constexpr uintptr_t kNotLookedUp = 0;
constexpr uintptr_t kAbsent = 1;  // no function lives at address 1

// Where a system function lives: a fact that holds for the life of the process, remembered so
// that the lookup is not paid on every call. Threads that make their first call together may
// each look it up; they find the same address and store the same value.
FARPROC LookUpOnce(std::atomic<uintptr_t>& remembered, const char* name) {
  uintptr_t address = remembered.load(std::memory_order_acquire);
  if (address == kNotLookedUp) {
    const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), name);
    address = found != nullptr ? reinterpret_cast<uintptr_t>(found) : kAbsent;
    remembered.store(address, std::memory_order_release);
  }
  return address == kAbsent ? nullptr : reinterpret_cast<FARPROC>(address);
}

std::atomic<uintptr_t> globalMemoryStatusEx{kNotLookedUp};
std::atomic<uintptr_t> getErrorMode{kNotLookedUp};
std::atomic<uintptr_t> setThreadErrorMode{kNotLookedUp};

template <typename Function>
Function As(FARPROC address) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

GlobalMemoryStatusExFunction FindGlobalMemoryStatusEx() {
  return As<GlobalMemoryStatusExFunction>(LookUpOnce(globalMemoryStatusEx, "GlobalMemoryStatusEx"));
}

GetErrorModeFunction FindGetErrorMode() {
  return As<GetErrorModeFunction>(LookUpOnce(getErrorMode, "GetErrorMode"));
}

SetThreadErrorModeFunction FindSetThreadErrorMode() {
  return As<SetThreadErrorModeFunction>(LookUpOnce(setThreadErrorMode, "SetThreadErrorMode"));
}

}  // namespace ostrakin
