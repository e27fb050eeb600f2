// A registry key under the local machine's root, open for the lifetime of the object, so that
// no path through an answer can leave it open.
#pragma once

#include <cstdint>

#include "system_facts.h"

namespace ostrakin {

class MachineKey {
 public:
  MachineKey(SystemFacts& facts, const char* path)
      : facts_(facts), open_(facts.OpenMachineKey(path, &key_)) {}
  ~MachineKey() {
    if (open_) facts_.CloseKey(key_);
  }
  MachineKey(const MachineKey&) = delete;
  MachineKey& operator=(const MachineKey&) = delete;

  bool IsOpen() const { return open_; }

  // Reads at most *size bytes of the value; on success *size is the size the query reported.
  bool Read(const char* name, void* data, uint32_t* size) {
    return open_ && facts_.QueryValue(key_, name, data, size);
  }

 private:
  SystemFacts& facts_;
  RegistryKey key_ = nullptr;
  bool open_;
};

}  // namespace ostrakin
