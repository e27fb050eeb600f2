#include "core/display_toast.h"

#include <gtest/gtest.h>

#include <cstring>

#include "scripted_window_messages.h"

namespace ostrakin {
namespace {

using testing::ScriptedWindowMessages;

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
      EXPECT_STREQ("Zorvanta_DisplayToast", messages.registeredName);
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
  EXPECT_EQ(2, messages.registrations);
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
