// Fuzzes ParseTag's and ReceiveNotify's core with arbitrary tags and arbitrary platform answers.
//
// Input: the tag (or notification code) up to the first NUL byte; the bytes after it give the text
// the host left in the result buffer and then, call by call as the answer makes them, whatever
// the platform answers: any fact's bytes and outcome, registry keys that open or not, values of
// any size. So a new fact or registry value is fuzzed without a change here. Checked on every
// input: an answer stays within the longest legal answer (guard bytes behind it stay intact), is
// framed, and writes nothing past its terminator; a declined call leaves the buffer byte for byte
// as it was; every key opened is closed, and only those.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/answers/answer_capacity.h"
#include "core/keyword_table.h"
#include "core/parse_tag.h"
#include "core/receive_notify.h"

namespace {

constexpr size_t kLongestHostText = 200;
constexpr size_t kGuard = 64;
constexpr size_t kBufferSize = kLongestHostText + 1 + ostrakin::kAnswerCapacity + kGuard;

void Check(bool condition) {
  if (!condition) std::abort();
}

class FuzzedPlatformCalls final : public ostrakin::PlatformCalls {
 public:
  explicit FuzzedPlatformCalls(FuzzedDataProvider& data) : data_(data) {}

  bool QueryFact(ostrakin::FactId, void* fact, uint32_t size) override {
    const bool succeeds = data_.ConsumeBool();
    Fill(fact, size);  // on failure too: what a failed call leaves behind
    return succeeds;
  }
  bool OpenMachineKey(const char*, ostrakin::RegistryKey* key) override {
    if (!data_.ConsumeBool()) return false;
    open_.push_back(++opened_);
    *key = reinterpret_cast<ostrakin::RegistryKey>(opened_);
    return true;
  }
  bool QueryValue(ostrakin::RegistryKey key, const char*, void* data, uint32_t* size) override {
    Check(IsOpen(reinterpret_cast<uintptr_t>(key)));
    const bool succeeds = data_.ConsumeBool();
    const uint32_t stored = data_.ConsumeIntegralInRange<uint32_t>(0, 2 * *size + 1);
    Fill(data, *size);  // a longer value scribbles on the whole buffer
    const bool fits = stored <= *size;
    *size = stored;
    return succeeds && fits;
  }
  void CloseKey(ostrakin::RegistryKey key) override {
    const uintptr_t handle = reinterpret_cast<uintptr_t>(key);
    Check(IsOpen(handle));  // never closed twice, never one that was not opened
    for (size_t i = 0; i < open_.size(); ++i)
      if (open_[i] == handle) open_.erase(open_.begin() + long(i));
  }
  bool AllKeysClosed() const { return open_.empty(); }

 private:
  void Fill(void* bytes, size_t size) {
    const std::vector<uint8_t> given = data_.ConsumeBytes<uint8_t>(size);
    std::memset(bytes, 0, size);
    if (!given.empty()) std::memcpy(bytes, given.data(), given.size());
  }
  bool IsOpen(uintptr_t handle) const {
    for (uintptr_t open : open_)
      if (open == handle) return true;
    return false;
  }
  FuzzedDataProvider& data_;
  std::vector<uintptr_t> open_;
  uintptr_t opened_ = 0;
};

void CheckAnswerTag(const std::string& tag, FuzzedDataProvider& data) {
  const std::string hostText = data.ConsumeRandomLengthString(kLongestHostText);
  FuzzedPlatformCalls platform(data);

  char buffer[kBufferSize];
  for (size_t i = 0; i < kBufferSize; ++i)
    buffer[i] = char(0xA5 ^ i);
  std::memcpy(buffer, hostText.c_str(), hostText.size() + 1);
  char before[kBufferSize];
  std::memcpy(before, buffer, kBufferSize);

  const int32_t answered = ostrakin::ParseTag(platform, tag.c_str(), buffer);
  Check(platform.AllKeysClosed());
  if (answered == 0) {
    Check(std::memcmp(before, buffer, kBufferSize) == 0);
    return;
  }
  Check(answered == 1);
  const ostrakin::KeywordRow* row = ostrakin::FindKeyword(tag.c_str());
  Check(row != nullptr);
  const size_t start =
      row->placement == ostrakin::Placement::Appended ? std::strlen(hostText.c_str()) : 0;
  Check(std::memcmp(before, buffer, start) == 0);
  const char* answer = buffer + start;
  const size_t length = strnlen(answer, ostrakin::kAnswerCapacity);
  Check(length <= ostrakin::kLongestAnswer);
  Check(length >= 6 && std::memcmp(answer, "\x02[\x02", 3) == 0 &&
        std::memcmp(answer + length - 3, "\x02]\x02", 3) == 0);
  const size_t written = start + length + 1;
  Check(std::memcmp(before + written, buffer + written, kBufferSize - written) == 0);
}

void CheckReceiveNotify(const std::string& code) {
  char reply[128];
  std::memset(reply, 0x5C, sizeof reply);
  const int32_t replied = ostrakin::ReceiveNotify(code.c_str(), reply);
  if (code == "smppg") {
    Check(replied == 1 &&
          std::memcmp(reply, ostrakin::kPingReply, sizeof ostrakin::kPingReply) == 0);
    Check(reply[sizeof ostrakin::kPingReply] == 0x5C);
  } else {
    Check(replied == 0);
    for (char c : reply)
      Check(c == 0x5C);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto* end = static_cast<const uint8_t*>(std::memchr(data, 0, size));
  const size_t tagLength = end != nullptr ? size_t(end - data) : size;
  const std::string tag(reinterpret_cast<const char*>(data), tagLength);
  const size_t factsStart = end != nullptr ? tagLength + 1 : size;
  FuzzedDataProvider platform(data + factsStart, size - factsStart);
  CheckAnswerTag(tag, platform);
  CheckReceiveNotify(tag);
  return 0;
}
