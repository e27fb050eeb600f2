// kernel32 functions that the oldest Windows the plug-in loads on (95 OSR2, 98, ME, NT 4.0) lack.
// They are looked up by name, not imported: an import the loader cannot satisfy would stop the
// whole DLL from loading there.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

namespace ostrakin {

// One such function, found on the first call and remembered: where a system function lives is a
// fact for the life of the process. Threads that call first together may each look it up; they
// find the same address and store the same value. Declare each at namespace scope, named after the
// function, with the SDK's declaration for its type (naming it in decltype imports nothing):
//   NewerKernel32Function<decltype(&::GetErrorMode)> getErrorMode("GetErrorMode");
// Its constructor is constexpr, so nothing runs when the DLL loads.
template <typename Function>
class NewerKernel32Function {
 public:
  constexpr explicit NewerKernel32Function(const char* name) : name_(name) {}

  // The function, or null where the running Windows lacks it.
  Function Find() {
    uintptr_t address = remembered_.load(std::memory_order_acquire);
    if (address == kNotLookedUp) {
      const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), name_);
      address = found != nullptr ? reinterpret_cast<uintptr_t>(found) : kAbsent;
      remembered_.store(address, std::memory_order_release);
    }
    return address == kAbsent ? nullptr
                              : reinterpret_cast<Function>(reinterpret_cast<void*>(address));
  }

 private:
  static constexpr uintptr_t kNotLookedUp = 0;
  static constexpr uintptr_t kAbsent = 1;  // no function lives at address 1
  const char* name_;
  std::atomic<uintptr_t> remembered_{kNotLookedUp};
};

}  // namespace ostrakin
