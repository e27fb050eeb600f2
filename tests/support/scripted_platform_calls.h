// Platform calls scripted by a test, with the registry's observable behaviour (a value larger than
// the caller's buffer fails and scribbles on the buffer, as a careless system may; a shorter one
// leaves a pattern after itself, which the caller must not read as data) and a ledger
// of opened and closed keys. Queries never allocate, so allocation counts see only the code
// under test.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/platform_calls.h"

namespace ostrakin::testing {

class ScriptedPlatformCalls : public PlatformCalls {
 public:
  struct Value {
    std::string key;
    std::string name;
    std::string bytes;
  };

  ScriptedPlatformCalls() { openHandles_.reserve(16); }

  MemorySnapshot memory;
  bool diskSucceeds = true;
  DiskQuery disk;
  bool versionSucceeds = true;
  OsVersion version;
  ScreenSize screen{1024, 719};
  std::vector<std::string> keys;  // keys that open
  std::vector<Value> values;
  bool opensFail = false;    // every key fails to open, as without access rights
  bool queriesFail = false;  // every value query fails, as on a registry error

  // Ledger.
  char lastDrivePath[8] = {};
  int memoryQueries = 0, diskQueries = 0, versionQueries = 0, screenQueries = 0;
  int opens = 0, closes = 0, strayCloses = 0;

  void SetValue(const std::string& key, const std::string& name, const std::string& bytes) {
    if (!HasKey(key.c_str())) keys.push_back(key);
    for (Value& value : values) {
      if (value.key == key && value.name == name) {
        value.bytes = bytes;
        return;
      }
    }
    values.push_back({key, name, bytes});
  }
  int KeysLeftOpen() const { return opens - closes; }

  MemorySnapshot QueryMemory() override {
    ++memoryQueries;
    return memory;
  }

  bool QueryDiskSpace(const char* drivePath, DiskQuery* query) override {
    ++diskQueries;
    std::strncpy(lastDrivePath, drivePath, sizeof lastDrivePath - 1);
    if (!diskSucceeds) {
      *query = DiskQuery{0xDEADBEEFull, 0xFEEDFACEull};  // what a failed call may leave
      return false;
    }
    *query = disk;
    return true;
  }

  bool QueryOsVersion(OsVersion* out) override {
    ++versionQueries;
    if (!versionSucceeds) {
      *out = OsVersion{5, 1, 2};  // what a failed call may leave behind
      return false;
    }
    *out = version;
    return true;
  }

  bool OpenMachineKey(const char* path, RegistryKey* key) override {
    if (opensFail) return false;
    for (size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] == path) {
        ++opens;
        openHandles_.push_back(i + 1);
        *key = reinterpret_cast<RegistryKey>(i + 1);
        return true;
      }
    }
    return false;
  }

  bool QueryValue(RegistryKey key, const char* name, void* data, uint32_t* size) override {
    const size_t index = reinterpret_cast<size_t>(key);
    if (!IsOpen(index) || queriesFail) return false;
    for (const Value& value : values) {
      if (value.key != keys[index - 1] || value.name != name) continue;
      if (value.bytes.size() > *size) {
        std::memset(data, '#', *size);
        *size = uint32_t(value.bytes.size());
        return false;
      }
      std::memset(data, '#', *size);
      std::memcpy(data, value.bytes.data(), value.bytes.size());
      *size = uint32_t(value.bytes.size());
      return true;
    }
    return false;
  }

  void CloseKey(RegistryKey key) override {
    const size_t index = reinterpret_cast<size_t>(key);
    for (size_t i = 0; i < openHandles_.size(); ++i) {
      if (openHandles_[i] == index) {
        openHandles_.erase(openHandles_.begin() + long(i));
        ++closes;
        return;
      }
    }
    ++strayCloses;
  }

  ScreenSize QueryFullScreenSize() override {
    ++screenQueries;
    return screen;
  }

 private:
  bool HasKey(const char* path) const {
    return std::find(keys.begin(), keys.end(), path) != keys.end();
  }
  bool IsOpen(size_t index) const {
    return std::find(openHandles_.begin(), openHandles_.end(), index) != openHandles_.end();
  }
  std::vector<size_t> openHandles_;
};

}  // namespace ostrakin::testing
