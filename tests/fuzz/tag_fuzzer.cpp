// Fuzzes ParseTag's and ReceiveNotify's core with arbitrary tags and arbitrary platform facts.
//
// Input: the tag (or notification code) up to the first NUL byte; the bytes after it script the
// platform (memory, disk, version, registry outcomes and contents, screen) and the text the host
// left in the result buffer. Checked on every input: an answer stays within the longest legal
// answer (guard bytes behind it stay intact), is framed, and writes nothing past its
// terminator; a declined call leaves the buffer byte for byte as it was; no key stays open.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/answers/answer_capacity.h"
#include "core/answers/registry_locations.h"
#include "core/keyword_table.h"
#include "core/parse_tag.h"
#include "core/receive_notify.h"
#include "scripted_platform_calls.h"

namespace {

using ostrakin::testing::ScriptedPlatformCalls;

constexpr size_t kLongestHostText = 200;
constexpr size_t kGuard = 64;
constexpr size_t kBufferSize = kLongestHostText + 1 + ostrakin::kAnswerCapacity + kGuard;

void Check(bool condition) {
  if (!condition) std::abort();
}

void ScriptPlatform(FuzzedDataProvider& data, ScriptedPlatformCalls& platform) {
  platform.memory.totalPhys = data.ConsumeIntegral<uint64_t>();
  platform.memory.availPhys = data.ConsumeIntegral<uint64_t>();
  platform.diskSucceeds = data.ConsumeBool();
  platform.disk.freeBytes = data.ConsumeIntegral<uint64_t>();
  platform.disk.totalBytes = data.ConsumeIntegral<uint64_t>();
  platform.versionSucceeds = data.ConsumeBool();
  platform.version.major = data.ConsumeIntegralInRange<uint32_t>(0, 7);
  platform.version.minor = data.ConsumeIntegralInRange<uint32_t>(0, 100);
  platform.version.platformId = data.ConsumeIntegralInRange<uint32_t>(0, 3);
  platform.opensFail = data.ConsumeBool();
  platform.queriesFail = data.ConsumeBool();
  platform.screen.width = data.ConsumeIntegral<int32_t>();
  platform.screen.height = data.ConsumeIntegral<int32_t>();
  if (data.ConsumeBool()) {
    platform.SetValue(ostrakin::kProcessorKey, ostrakin::kProcessorNameValue,
                      data.ConsumeRandomLengthString(200));
  }
  if (data.ConsumeBool()) {
    platform.SetValue(ostrakin::kProcessorKey, ostrakin::kProcessorClockValue,
                      data.ConsumeRandomLengthString(8));
  }
  if (data.ConsumeBool()) {
    platform.SetValue(ostrakin::kDisplayAdapterKey, ostrakin::kDisplayAdapterValue,
                      data.ConsumeRandomLengthString(600));
  }
}

void CheckAnswerTag(const std::string& tag, FuzzedDataProvider& data) {
  ScriptedPlatformCalls platform;
  ScriptPlatform(data, platform);
  const std::string hostText = data.ConsumeRandomLengthString(kLongestHostText);

  char buffer[kBufferSize];
  for (size_t i = 0; i < kBufferSize; ++i)
    buffer[i] = char(0xA5 ^ i);
  std::memcpy(buffer, hostText.c_str(), hostText.size() + 1);
  char before[kBufferSize];
  std::memcpy(before, buffer, kBufferSize);

  const int32_t answered = ostrakin::ParseTag(platform, tag.c_str(), buffer);
  Check(platform.KeysLeftOpen() == 0 && platform.strayCloses == 0);
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
