#include "core/receive_notify.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace ostrakin {
namespace {

TEST(ReceiveNotify, RepliesWithThreeLinesAfterAnyPreviousContents) {
  const char earlier[] = "an earlier reply that was much longer than the pong, as it happens here";
  char reply[128];
  std::strcpy(reply, earlier);
  ASSERT_EQ(1, ReceiveNotify("smppg", reply));
  EXPECT_EQ(std::string("Pong!\n#/brb I'll be back in 5 seconds\n#5#/online"), reply);
  EXPECT_EQ(48u, std::strlen(reply));
  EXPECT_STREQ(earlier + 49, reply + 49);  // the earlier text behind the terminator stays
}

TEST(ReceiveNotify, DeclinesEveryOtherCode) {
  const char* codes[] = {"SMPPG", "Smppg", "smppg ", " smppg", "smppgx",
                         "smpp",  "",      "ping",   "smppg\n"};
  for (const char* code : codes) {
    char reply[64] = "unchanged";
    EXPECT_EQ(0, ReceiveNotify(code, reply)) << code;
    EXPECT_STREQ("unchanged", reply) << code;
  }
  char reply[64] = "unchanged";
  EXPECT_EQ(0, ReceiveNotify(nullptr, reply));
  EXPECT_EQ(0, ReceiveNotify("smppg", nullptr));
  EXPECT_STREQ("unchanged", reply);
}

}  // namespace
}  // namespace ostrakin
