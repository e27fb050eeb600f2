#include "core/display_toast.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace ostrakin {
namespace {

// Records every registration and send, and captures the record while the send is in progress
// (the only time it exists).
class ScriptedWindowMessages : public WindowMessages {
 public:
  uint32_t registeredNumber = 0xC123;
  intptr_t sendResult = 0;
  std::vector<std::string> registeredNames;
  uint32_t sentMessage = 0;
  intptr_t sentLParam = -1;
  unsigned char sentRecord[sizeof(ToastRequest)] = {};
  int sends = 0;

  uint32_t Register(const char* name) override {
    registeredNames.push_back(name);
    return registeredNumber;
  }
  intptr_t SendToAllWindows(uint32_t message, uintptr_t wParam, intptr_t lParam) override {
    ++sends;
    sentMessage = message;
    sentLParam = lParam;
    std::memcpy(sentRecord, reinterpret_cast<const void*>(wParam), sizeof sentRecord);
    return sendResult;
  }
};

TEST(DisplayToast, PutsTheSecondArgumentFirst) {
  const ToastRequest request = MakeToastRequest(0x11111111u, 0x22222222u, 0x33333333u, 1);
  const unsigned char expected[20] = {0x22, 0x22, 0x22, 0x22, 0x11, 0x11, 0x11, 0x11, 0x33, 0x33,
                                      0x33, 0x33, 0xFF, 0xFF, 0xFF, 0xFF, 0,    0,    0,    0};
  EXPECT_EQ(0, std::memcmp(expected, &request, sizeof request));
}

TEST(DisplayToast, AnyNonZeroFlagByteIsTrue) {
  const struct {
    unsigned char flag;
    int32_t stored;
  } cases[] = {{0, 0}, {1, -1}, {2, -1}, {128, -1}, {255, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.stored, MakeToastRequest(1, 2, 3, c.flag).flag) << int(c.flag);
  }
}

TEST(DisplayToast, SendsTheRecordAndPassesTheResultOn) {
  for (intptr_t result : {intptr_t{0}, intptr_t{1}, intptr_t{0x5EED}, intptr_t{-1}}) {
    for (ToastText text : {ToastText::Narrow, ToastText::Wide}) {
      ScriptedWindowMessages messages;
      messages.sendResult = result;
      EXPECT_EQ(result, DisplayToast(messages, 0xA, 0xB, 0xC, 255, text));
      ASSERT_EQ(1, messages.sends);
      EXPECT_EQ(std::vector<std::string>{"Zorvanta_DisplayToast"}, messages.registeredNames);
      EXPECT_EQ(0xC123u, messages.sentMessage);
      EXPECT_EQ(text == ToastText::Wide ? 1 : 0, messages.sentLParam);
      const ToastRequest expected = MakeToastRequest(0xA, 0xB, 0xC, 255);
      EXPECT_EQ(0, std::memcmp(&expected, messages.sentRecord, sizeof expected));
    }
  }
}

TEST(DisplayToast, RegistersOnEveryCallAndSendsEvenWhenRegistrationFails) {
  ScriptedWindowMessages messages;
  messages.registeredNumber = 0;
  DisplayToast(messages, 1, 2, 3, 0, ToastText::Narrow);
  DisplayToast(messages, 1, 2, 3, 0, ToastText::Wide);
  EXPECT_EQ(2u, messages.registeredNames.size());
  EXPECT_EQ(2, messages.sends);
  EXPECT_EQ(0u, messages.sentMessage);
}

TEST(DisplayToast, NarrowAndWideSendIdenticalRecords) {
  ScriptedWindowMessages narrow, wide;
  DisplayToast(narrow, 7, 8, 9, 1, ToastText::Narrow);
  DisplayToast(wide, 7, 8, 9, 1, ToastText::Wide);
  EXPECT_EQ(0, std::memcmp(narrow.sentRecord, wide.sentRecord, sizeof(ToastRequest)));
  EXPECT_NE(narrow.sentLParam, wide.sentLParam);
}

}  // namespace
}  // namespace ostrakin
