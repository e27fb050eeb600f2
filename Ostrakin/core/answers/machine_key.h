// A registry key under the local machine's root, open for the lifetime of the object, so that
// no path through an answer can leave it open.
#pragma once

#include <cstdint>

#include "core/platform_calls.h"

namespace ostrakin {

class MachineKey {
 public:
  MachineKey(PlatformCalls& platform, const char* path)
      : platform_(platform), open_(platform.OpenMachineKey(path, &key_)) {}
  ~MachineKey() {
    if (open_) platform_.CloseKey(key_);
  }
  MachineKey(const MachineKey&) = delete;
  MachineKey& operator=(const MachineKey&) = delete;

  // Reads at most *size bytes of the value; on success *size is the size the query reported.
  bool Read(const char* name, void* data, uint32_t* size) {
    return open_ && platform_.QueryValue(key_, name, data, size);
  }

 private:
  PlatformCalls& platform_;
  RegistryKey key_ = nullptr;
  bool open_;
};

}  // namespace ostrakin
