// Many threads calling every entry point at once, each on its own buffers: the answers are the
// ones a lone call gives. Built with ThreadSanitizer, this also shows that the calls share
// nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/answers/registry_locations.h"
#include "core/display_toast.h"
#include "core/keyword_table.h"
#include "core/parse_tag.h"
#include "core/platform_facts.h"
#include "core/publish_info.h"
#include "core/receive_notify.h"
#include "scripted_platform_calls.h"
#include "scripted_window_messages.h"

namespace ostrakin {
namespace {

using testing::ScriptedPlatformCalls;
using testing::ScriptedWindowMessages;

ScriptedPlatformCalls Machine() {
  ScriptedPlatformCalls platform;
  platform.Script(MemorySnapshot{1536u << 20, 700u << 20});
  platform.Script(DiskQuery{{}, uint64_t{3} << 29, uint64_t{80} << 30});
  platform.Script(OsVersion{4, 10, 1});
  platform.Script(FullScreenArea{1024, 719});
  platform.SetValue(kProcessorKey, kProcessorNameValue, "AMD K6-2");
  platform.SetValue(kProcessorKey, kProcessorClockValue, std::string("\x2c\x01\0\0", 4));
  platform.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, "Rage 128");
  return platform;
}

// Everything one round of calls answers, as text.
std::string OneRound(ScriptedPlatformCalls& platform, ScriptedWindowMessages& messages,
                     TagCatalogue& tags) {
  std::string answers;
  for (const KeywordRow& row : kKeywordTable) {
    char result[400] = "prefix:";
    answers += std::to_string(ParseTag(platform, row.text, result)) + result + "\n";
  }
  char reply[64];
  answers += std::to_string(ReceiveNotify("smppg", reply)) + reply + "\n";
  char name[32];
  CommandCatalogue commands;
  answers +=
      std::to_string(ostrakin::PublishInfo(name, &commands, &tags)) + name + tags.tagTexts[5];
  answers += std::to_string(DisplayToast(messages, 1, 2, 3, 1, ToastText::Wide));
  answers.append(reinterpret_cast<const char*>(messages.sentRecord), sizeof messages.sentRecord);
  return answers;
}

TEST(Concurrency, ConcurrentCallsAnswerAsCallsAlone) {
  ScriptedPlatformCalls aloneFacts = Machine();
  ScriptedWindowMessages aloneMessages;
  auto aloneTags = std::make_unique<TagCatalogue>();
  const std::string alone = OneRound(aloneFacts, aloneMessages, *aloneTags);

  constexpr int kThreads = 8;
  constexpr int kRounds = 300;
  std::atomic<int> mismatches{0};
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&] {
      ScriptedPlatformCalls platform = Machine();
      ScriptedWindowMessages messages;
      auto tags = std::make_unique<TagCatalogue>();
      while (!go.load())
        std::this_thread::yield();
      for (int round = 0; round < kRounds; ++round) {
        if (OneRound(platform, messages, *tags) != alone) ++mismatches;
      }
      if (platform.KeysLeftOpen() != 0) ++mismatches;
    });
  }
  go = true;
  for (std::thread& thread : threads)
    thread.join();
  EXPECT_EQ(0, mismatches.load());
}

}  // namespace
}  // namespace ostrakin
