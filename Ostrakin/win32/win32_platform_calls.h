// The platform calls made for real: the ANSI Win32 calls with the arguments the answers are
// defined by. Stateless; each call asks the system afresh.
#pragma once

#include "core/platform_calls.h"

namespace ostrakin {

class Win32PlatformCalls final : public PlatformCalls {
 public:
  bool QueryFact(FactId id, void* fact, uint32_t size) override;
  bool OpenMachineKey(const char* path, RegistryKey* key) override;
  bool QueryValue(RegistryKey key, const char* name, void* data, uint32_t* size) override;
  void CloseKey(RegistryKey key) override;
};

}  // namespace ostrakin
