// What the answers ask of the platform: facts, each fetched by one query, and the registry.
//
// A fact is a plain record of core/platform_facts.h, holding what the query is asked (a drive,
// say) and what it answers; `Query` fetches any of them. The Windows build reads each fact with
// the Win32 call it is named after (win32/win32_platform_calls.cpp); tests script them by type.
// Implementations fetch, they never format.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/platform_facts.h"

namespace ostrakin {

// Tells fact types apart at run time: the address of a variable of each type's own.
using FactId = const void*;
template <typename Fact>
struct FactTag {
  static constexpr char tag = 0;
};
template <typename Fact>
constexpr FactId IdOf() {
  return &FactTag<Fact>::tag;
}

// An open registry key; only the implementation that opened it knows what it holds.
using RegistryKey = void*;

// "Query" fetches; the registry methods keep the registry's own verbs.
class PlatformCalls {
 public:
  // Fills `fact` for the question it holds. False when the platform could not answer; the record
  // then holds its defaults (`Fact{}`), never what the failed call left behind.
  template <typename Fact>
  bool Query(Fact& fact) {
    static_assert(std::is_trivially_copyable_v<Fact>, "a fact is a plain record of bytes");
    static_assert(IsListedIn<Fact>(PlatformFacts{}),
                  "a fact is named in PlatformFacts (core/platform_facts.h), which the Windows "
                  "layer reads every fact of");
    if (QueryFact(IdOf<Fact>(), &fact, sizeof fact)) return true;
    fact = Fact{};
    return false;
  }
  // The same for a fact known by its id only: `fact` points at `size` bytes of that type.
  virtual bool QueryFact(FactId id, void* fact, uint32_t size) = 0;

  // RegOpenKeyExA under HKEY_LOCAL_MACHINE, for reading values.
  virtual bool OpenMachineKey(const char* path, RegistryKey* key) = 0;
  // RegQueryValueExA: at most *size bytes into data; on success *size holds the value's size.
  virtual bool QueryValue(RegistryKey key, const char* name, void* data, uint32_t* size) = 0;
  // RegCloseKey.
  virtual void CloseKey(RegistryKey key) = 0;

 protected:
  ~PlatformCalls() = default;
};

}  // namespace ostrakin
