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

#include "catalogue.h"
#include "identity_answers.h"
#include "keyword_table.h"
#include "parse_tag.h"
#include "ping.h"
#include "scripted_system_facts.h"
#include "toast_request.h"

namespace ostrakin {
namespace {

using testing::ScriptedSystemFacts;

class EchoMessages : public WindowMessages {
 public:
  uint32_t Register(const char*) override { return 0xC0DE; }
  intptr_t SendToAllWindows(uint32_t, uintptr_t wParam, intptr_t lParam) override {
    const auto* request = reinterpret_cast<const ToastRequest*>(wParam);
    return intptr_t(request->first + request->second + request->third) + request->flag + lParam;
  }
};

ScriptedSystemFacts Machine() {
  ScriptedSystemFacts facts;
  facts.memory = {1536u << 20, 700u << 20};
  facts.disk = {uint64_t{3} << 29, uint64_t{80} << 30};
  facts.version = {4, 10, 1};
  facts.SetValue(kProcessorKey, kProcessorNameValue, "AMD K6-2");
  facts.SetValue(kProcessorKey, kProcessorClockValue, std::string("\x2c\x01\0\0", 4));
  facts.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, "Rage 128");
  return facts;
}

// Everything one round of calls answers, as text.
std::string OneRound(ScriptedSystemFacts& facts, EchoMessages& messages, TagCatalogue& tags) {
  std::string answers;
  for (const KeywordRow& row : kKeywordTable) {
    char result[400] = "prefix:";
    answers += std::to_string(AnswerTag(facts, row.text, result)) + result + "\n";
  }
  char reply[64];
  answers += std::to_string(ReplyToNotification("smppg", reply)) + reply + "\n";
  char name[32];
  CommandCatalogue commands;
  answers += std::to_string(PublishCatalogue(name, &commands, &tags)) + name + tags.tagTexts[5];
  answers += std::to_string(SendToast(messages, 1, 2, 3, 1, ToastText::Wide));
  return answers;
}

TEST(Concurrency, ConcurrentCallsAnswerAsCallsAlone) {
  ScriptedSystemFacts aloneFacts = Machine();
  EchoMessages aloneMessages;
  auto aloneTags = std::make_unique<TagCatalogue>();
  const std::string alone = OneRound(aloneFacts, aloneMessages, *aloneTags);

  constexpr int kThreads = 8;
  constexpr int kRounds = 300;
  std::atomic<int> mismatches{0};
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&] {
      ScriptedSystemFacts facts = Machine();
      EchoMessages messages;
      auto tags = std::make_unique<TagCatalogue>();
      while (!go.load())
        std::this_thread::yield();
      for (int round = 0; round < kRounds; ++round) {
        if (OneRound(facts, messages, *tags) != alone) ++mismatches;
      }
      if (facts.KeysLeftOpen() != 0) ++mismatches;
    });
  }
  go = true;
  for (std::thread& thread : threads)
    thread.join();
  EXPECT_EQ(0, mismatches.load());
}

}  // namespace
}  // namespace ostrakin
