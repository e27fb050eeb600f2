// Functions of Windows' own DLLs that the plug-in does not import, found by name at run time: a
// function the oldest Windows it loads on (95 OSR2, 98, ME, NT 4.0) lack, since an import the
// loader cannot satisfy would stop the whole DLL from loading there; and any function of a system
// DLL beyond the three it imports (KERNEL32, USER32, ADVAPI32), which scripts/check-abi refuses.
//
// Two ways, by whether the DLL stays loaded for as long as the plug-in does:
// - SystemFunction<Dll, Function>, for a DLL the plug-in imports (Kernel32, User32, Advapi32
//   below): its imports keep it loaded, so the address is found on the first call and remembered.
//   Declare each at namespace scope, named after the function, with the SDK's declaration for its
//   type (naming it in decltype imports nothing):
//     SystemFunction<Kernel32, decltype(&::GetErrorMode)> getErrorMode("GetErrorMode");
//   Its constructor is constexpr, so nothing runs when the DLL loads.
// - SystemLibrary, for any other system DLL (GDI32, say): loaded for the one call that needs it
//   and freed when the object dies, since the host's process need not have it (a console host has
//   no GDI32: GetModuleHandleA fails there where LoadLibraryA loads it), and nothing the plug-in
//   took may outlive the call. Never in DllMain, where loading a library is not allowed:
//     const SystemLibrary gdi32("gdi32.dll");
//     const auto getDeviceCaps = gdi32.Find<decltype(&::GetDeviceCaps)>("GetDeviceCaps");
//     if (getDeviceCaps == nullptr) return false;  // no such DLL, or no such function in it
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

namespace ostrakin {

// The DLLs the plug-in imports, which stay loaded for as long as it does.
struct Kernel32 {
  static constexpr const char* kName = "kernel32.dll";
};
struct User32 {
  static constexpr const char* kName = "user32.dll";
};
struct Advapi32 {
  static constexpr const char* kName = "advapi32.dll";
};

// A function of a DLL the plug-in imports, found on the first call and remembered: where a system
// function lives is a fact for the life of the process. Threads that call first together may each
// look it up; they find the same address and store the same value.
template <typename Dll, typename Function>
class SystemFunction {
 public:
  constexpr explicit SystemFunction(const char* name) : name_(name) {}

  // The function, or null where the running Windows lacks it.
  Function Find() {
    uintptr_t address = remembered_.load(std::memory_order_acquire);
    if (address == kNotLookedUp) {
      const FARPROC found = GetProcAddress(GetModuleHandleA(Dll::kName), name_);
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

// Any other system DLL, loaded (or its count of users raised) while the object lives, and freed
// with it on every path. What Find returns may be called only while the object lives.
class SystemLibrary {
 public:
  explicit SystemLibrary(const char* name) : module_(LoadLibraryA(name)) {}
  ~SystemLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // The function, or null where the DLL could not be loaded or lacks it.
  template <typename Function>
  Function Find(const char* name) const {
    const FARPROC found = module_ != nullptr ? GetProcAddress(module_, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
  }

 private:
  HMODULE module_;
};

}  // namespace ostrakin
