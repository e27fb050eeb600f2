// Platform calls scripted by a test. A fact of any type answers what the test scripted; one never
// scripted, or made to fail, fails and leaves bytes behind that Query must not pass on (the
// scripted answer itself, or a pattern). The registry behaves as a careless system may (a value
// larger than the caller's buffer fails and scribbles on the buffer; a shorter one leaves a
// pattern after itself, which the caller must not read as data) and keeps a ledger of opened and
// closed keys. Queries never allocate, so allocation counts see only the code under test.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/platform_calls.h"

namespace ostrakin::testing {

class ScriptedPlatformCalls : public PlatformCalls {
 public:
  ScriptedPlatformCalls() { openHandles_.reserve(16); }

  // Facts.
  template <typename Fact>
  void Script(const Fact& answer) {
    static_assert(sizeof(Fact) <= kLargestFact, "a larger fact needs a larger kLargestFact");
    FactSlot& slot = SlotFor(IdOf<Fact>());
    std::memcpy(slot.answer, &answer, sizeof answer);
    slot.scripted = true;
  }
  template <typename Fact>
  void Fail() {
    FailFact(IdOf<Fact>());
  }
  void FailFact(FactId id) { SlotFor(id).fails = true; }
  template <typename Fact>
  int Queries() const {
    const FactSlot* slot = Find(IdOf<Fact>());
    return slot != nullptr ? slot->queries : 0;
  }
  // The record of the last query of this type as the caller handed it over: its question.
  template <typename Fact>
  Fact LastAsked() const {
    Fact asked{};
    if (const FactSlot* slot = Find(IdOf<Fact>())) std::memcpy(&asked, slot->asked, sizeof asked);
    return asked;
  }
  // Every fact type asked for so far, in the order first asked.
  std::vector<FactId> FactsAsked() const {
    std::vector<FactId> ids;
    for (const FactSlot& slot : facts_)
      if (slot.queries > 0) ids.push_back(slot.id);
    return ids;
  }

  // The registry.
  struct Value {
    std::string key;
    std::string name;
    std::string bytes;
  };
  std::vector<std::string> keys;  // keys that open
  std::vector<Value> values;
  bool opensFail = false;    // every key fails to open, as without access rights
  bool queriesFail = false;  // every value query fails, as on a registry error
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

  bool QueryFact(FactId id, void* fact, uint32_t size) override {
    FactSlot& slot = SlotFor(id);
    ++slot.queries;
    const size_t bytes = std::min<size_t>(size, kLargestFact);
    std::memcpy(slot.asked, fact, bytes);
    if (slot.scripted) {
      std::memcpy(fact, slot.answer, bytes);
    } else {
      std::memset(fact, 0xA5, size);
    }
    return slot.scripted && !slot.fails;
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
    const auto open = std::find(openHandles_.begin(), openHandles_.end(), index);
    if (open == openHandles_.end()) {
      ++strayCloses;
      return;
    }
    openHandles_.erase(open);
    ++closes;
  }

 private:
  static constexpr size_t kLargestFact = 64;
  struct FactSlot {
    FactId id = nullptr;
    unsigned char answer[kLargestFact] = {};
    unsigned char asked[kLargestFact] = {};
    bool scripted = false, fails = false;
    int queries = 0;
  };
  // A fixed number of slots, so that a query never allocates.
  FactSlot& SlotFor(FactId id) {
    for (FactSlot& slot : facts_) {
      if (slot.id == id || slot.id == nullptr) {
        slot.id = id;
        return slot;
      }
    }
    std::abort();  // more fact types than slots: raise their number
  }
  const FactSlot* Find(FactId id) const {
    for (const FactSlot& slot : facts_)
      if (slot.id == id) return &slot;
    return nullptr;
  }
  bool HasKey(const char* path) const {
    return std::find(keys.begin(), keys.end(), path) != keys.end();
  }
  bool IsOpen(size_t index) const {
    return std::find(openHandles_.begin(), openHandles_.end(), index) != openHandles_.end();
  }

  FactSlot facts_[8];
  std::vector<size_t> openHandles_;
};

}  // namespace ostrakin::testing
