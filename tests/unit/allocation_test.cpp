// No entry point allocates: measured with a counting allocator, on every answer's path and on
// its failure paths.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "core/answers/registry_locations.h"
#include "core/display_toast.h"
#include "core/keyword_table.h"
#include "core/parse_tag.h"
#include "core/platform_facts.h"
#include "core/publish_info.h"
#include "core/receive_notify.h"
#include "counting_allocator.h"
#include "scripted_platform_calls.h"
#include "scripted_window_messages.h"

namespace ostrakin {
namespace {

using testing::CountAllocations;
using testing::ScriptedPlatformCalls;

TEST(Allocation, TheCounterSeesAllocations) {
  void* volatile kept = nullptr;  // so the compiler cannot drop the allocations
  CountAllocations count;
  kept = std::malloc(16);
  std::free(kept);
  kept = new std::string(64, 'x');
  delete static_cast<std::string*>(kept);
  EXPECT_EQ(3, count.Count());  // malloc, new, and the string's characters
}

TEST(Allocation, NoAnswerAllocates) {
  for (bool failing : {false, true}) {
    ScriptedPlatformCalls platform;
    platform.SetValue(kProcessorKey, kProcessorNameValue, "Celeron");
    platform.SetValue(kProcessorKey, kProcessorClockValue, std::string("\x2c\x01\0\0", 4));
    platform.SetValue(kDisplayAdapterKey, kDisplayAdapterValue, std::string(300, 'x'));
    if (failing) {
      platform.Fail<DiskQuery>();
      platform.Fail<OsVersion>();
    }
    platform.queriesFail = failing;
    for (const KeywordRow& row : kKeywordTable) {
      char result[400] = "";
      CountAllocations count;
      ParseTag(platform, row.text, result);
      EXPECT_EQ(0, count.Count()) << row.text << (failing ? " failing" : "");
    }
    for (const char* miss : {"(!VuskDisk*)", "", "(!vuskramba)"}) {
      char result[16] = "";
      CountAllocations count;
      ParseTag(platform, miss, result);
      EXPECT_EQ(0, count.Count()) << miss;
    }
  }
}

TEST(Allocation, CatalogueNotificationAndToastDoNotAllocate) {
  auto tags = std::make_unique<TagCatalogue>();
  char name[32], reply[64];
  CommandCatalogue commands;
  testing::ScriptedWindowMessages messages;
  CountAllocations count;
  ostrakin::PublishInfo(name, &commands, tags.get());
  ReceiveNotify("smppg", reply);
  ReceiveNotify("other", reply);
  DisplayToast(messages, 1, 2, 3, 1, ToastText::Narrow);
  EXPECT_EQ(0, count.Count());
}

}  // namespace
}  // namespace ostrakin
