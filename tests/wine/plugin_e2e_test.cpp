// The real Ostrakin.dll, loaded through the stand-in host's loading code, against the facts the
// same process reads from Windows (Wine) itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "frame.h"
#include "identity_answers.h"
#include "memory_bar.h"
#include "plugin_library.h"
#include "two_decimals.h"
#include "windows_test_support.h"

namespace ostrakin {
namespace {

using testing::Framed;
using testing::MachineValueFixture;
using testing::ProgramDirectory;
using testing::Visible;

class PluginE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(library_.Load(&error)) << error;
    plugin_ = library_.EntryPoints();
  }

  // Answers a tag into a zeroed buffer; "" with the result 0.
  std::string Answer(const char* tag) {
    char result[1024] = {};
    if (plugin_.parseTag(tag, 0, result) != 1) return "";
    return result;
  }

  standin::PluginLibrary library_{ProgramDirectory() + "Ostrakin.dll"};
  standin::PluginEntryPoints plugin_;
};

TEST_F(PluginE2E, PublishesItsCatalogueAndTakesNoCommands) {
  EXPECT_EQ(1, plugin_.initialize(1, 2, 3));
  EXPECT_EQ(0, plugin_.parseCommand(0, 0, 0, 0));
  char name[64];
  std::memset(name, '~', sizeof name);
  CommandCatalogue commands = {42};
  static TagCatalogue tags;
  std::memset(&tags, 0x7E, sizeof tags);
  ASSERT_EQ(1, plugin_.publishInfo(name, &commands, &tags));
  EXPECT_STREQ("Tavrin's Pelicor", name);
  EXPECT_EQ('~', name[17]);
  EXPECT_EQ(0, commands.count);
  EXPECT_EQ(6, tags.count);
  EXPECT_STREQ("Disk Info", tags.labels[0]);
  EXPECT_STREQ("(!VuskDisk*)  <replace the * with drive letter!>", tags.tagTexts[0]);
  EXPECT_STREQ("CPU Info", tags.labels[5]);
  EXPECT_STREQ("(!VuskCPUInfo)", tags.tagTexts[5]);
  EXPECT_EQ(0x7E, tags.labels[6][0]);
  EXPECT_EQ(0x7E, tags.tagTexts[6][0]);
}

TEST_F(PluginE2E, MemoryAnswersAgreeWithGlobalMemoryStatus) {
  MEMORYSTATUS before = {};
  before.dwLength = sizeof before;
  GlobalMemoryStatus(&before);
  const std::string figures = Answer("(!VuskRamStat)");
  const std::string bar = Answer("(!VuskRamBar)");
  MEMORYSTATUS after = {};
  after.dwLength = sizeof after;
  GlobalMemoryStatus(&after);

  // Available memory moves between snapshots: the answer must match one of the two.
  auto figuresFor = [](const MEMORYSTATUS& s) {
    return Framed("^[^ " + std::to_string(s.dwAvailPhys >> 20) + "MB ^/^ " +
                  std::to_string(s.dwTotalPhys >> 20) + "MB ^]^");
  };
  auto barFor = [](const MEMORYSTATUS& s) {
    const int filled = MemoryBarFilledCells(uint32_t(s.dwAvailPhys), uint32_t(s.dwTotalPhys));
    return Framed("^[^ " + std::string(size_t(filled), '|') +
                  std::string(size_t(20 - filled), '.') + " ^]^");
  };
  EXPECT_TRUE(figures == figuresFor(before) || figures == figuresFor(after)) << Visible(figures);
  EXPECT_TRUE(bar == barFor(before) || bar == barFor(after)) << Visible(bar);
}

std::string DiskAnswerFor(const char* drive) {
  ULARGE_INTEGER caller, total, free;
  if (!GetDiskFreeSpaceExA(drive, &caller, &total, &free)) total.QuadPart = free.QuadPart = 0;
  auto amount = [](uint64_t bytes) {
    char text[kAmountTextCapacity];
    const bool gb = int64_t(bytes) > 0;
    WriteTwoDecimals(int64_t(bytes), gb ? AmountUnit::Gibibytes : AmountUnit::Mebibytes, text);
    return std::string(text) + (gb ? "GB" : "MB");
  };
  return Framed("^[^ " + amount(free.QuadPart) + " ^/^ " + amount(total.QuadPart) + " ^]^");
}

TEST_F(PluginE2E, DiskAnswersAgreeWithGetDiskFreeSpaceEx) {
  const std::string before = DiskAnswerFor("C:");
  const std::string answer = Answer("(!vuskdiskc)");
  const std::string after = DiskAnswerFor("C:");
  EXPECT_TRUE(answer == before || answer == after) << Visible(answer);
  EXPECT_NE(std::string::npos, answer.find("GB \x02/")) << "drive C: has free space";

  // A letter with no drive answers zero for both amounts.
  char missing = 0;
  for (char letter = 'Y'; letter > 'D' && missing == 0; --letter) {
    const char path[] = {letter, ':', 0};
    ULARGE_INTEGER a, b, c;
    if (!GetDiskFreeSpaceExA(path, &a, &b, &c)) missing = letter;
  }
  ASSERT_NE(0, missing);
  const std::string tag = std::string("(!VuskDisk") + missing + ")";
  EXPECT_EQ(Framed("^[^ 0.00MB ^/^ 0.00MB ^]^"), Answer(tag.c_str())) << tag;
}

TEST_F(PluginE2E, DiskAnswersAreAppendedAndOtherAnswersReplace) {
  char result[1024] = "Drive C: ";
  ASSERT_EQ(1, plugin_.parseTag("(!VuskDiskC)", 0, result));
  EXPECT_EQ(0, std::strncmp(result, "Drive C: \x02[\x02 ", 13)) << Visible(result);
  ASSERT_EQ(1, plugin_.parseTag("(!VuskOSInfo)", 0, result));
  EXPECT_EQ(0, std::strncmp(result, "\x02[\x02 ", 4)) << Visible(result);
}

TEST_F(PluginE2E, AnUnansweredTagLeavesTheBufferByteForByte) {
  for (const char* tag : {"(!VuskDisk*)", "(!VuskDisk1)", " (!VuskRamBar)", "(!VuskRamBar",
                          "(!Vusk\xc4iskC)", "(!VuskDisk*)  <replace the * with drive letter!>"}) {
    char result[512], before[512];
    for (size_t i = 0; i < sizeof result; ++i)
      result[i] = char(255 - i % 251);
    std::memcpy(before, result, sizeof result);
    EXPECT_EQ(0, plugin_.parseTag(tag, 0, result)) << tag;
    EXPECT_EQ(0, std::memcmp(before, result, sizeof result)) << tag;
  }
}

TEST_F(PluginE2E, NullPointersAreDeclined) {
  char result[32] = "unchanged";
  EXPECT_EQ(0, plugin_.parseTag(nullptr, 0, result));
  EXPECT_EQ(0, plugin_.parseTag("(!VuskRamStat)", 0, nullptr));
  EXPECT_EQ(0, plugin_.receiveNotify(nullptr, 0, 0, result));
  EXPECT_EQ(0, plugin_.receiveNotify("smppg", 0, 0, nullptr));
  EXPECT_EQ(0, plugin_.publishInfo(nullptr, nullptr, nullptr));
  EXPECT_STREQ("unchanged", result);
}

TEST_F(PluginE2E, PingRepliesAndDeclines) {
  char reply[128];
  std::memset(reply, 'z', sizeof reply);
  ASSERT_EQ(1, plugin_.receiveNotify("smppg", 7, 8, reply));
  EXPECT_STREQ("Pong!\n#/brb I'll be back in 5 seconds\n#5#/online", reply);
  EXPECT_EQ('z', reply[49]);
  for (const char* code : {"SMPPG", "smppg ", "smppgx", ""}) {
    char untouched[16] = "same";
    EXPECT_EQ(0, plugin_.receiveNotify(code, 0, 0, untouched)) << code;
    EXPECT_STREQ("same", untouched);
  }
}

TEST_F(PluginE2E, ProcessorAnswerReadsTheRegistry) {
  MachineValueFixture name(kProcessorKey, kProcessorNameValue);
  MachineValueFixture clock(kProcessorKey, kProcessorClockValue);
  ASSERT_TRUE(name.Set(REG_SZ, std::string("   Fixture CPU 9000") + '\0'));
  const DWORD mhz = 1666;
  ASSERT_TRUE(clock.Set(REG_DWORD, std::string(reinterpret_cast<const char*>(&mhz), 4)));
  EXPECT_EQ(Framed("^[^    Fixture CPU 9000^ @ ^1666MHz ^]^"), Answer("(!VuskCPUInfo)"));

  ASSERT_TRUE(name.Remove());
  ASSERT_TRUE(clock.Remove());
  EXPECT_EQ(Framed("^[^ ^ @ ^0MHz ^]^"), Answer("(!VuskCPUInfo)"));
}

TEST_F(PluginE2E, VideoCardAnswerReadsControlSet001) {
  MachineValueFixture description(kDisplayAdapterKey, kDisplayAdapterValue);
  const std::string screen = " " + std::to_string(GetSystemMetrics(SM_CXFULLSCREEN)) + "x" +
                             std::to_string(GetSystemMetrics(SM_CYFULLSCREEN)) + "  ";
  const struct {
    const char* what;
    DWORD type;
    std::string bytes;
    std::string shown;  // empty: no answer
  } cases[] = {
      {"normal", REG_SZ, std::string("Fixture Adapter") + '\0', "Fixture Adapter"},
      {"256 bytes with terminator", REG_SZ, std::string(255, 'v') + '\0', std::string(255, 'v')},
      {"257 bytes with terminator", REG_SZ, std::string(256, 'v') + '\0', ""},
      {"unterminated", REG_BINARY, "Raw Adapter", "Raw Adapter"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(description.Set(c.type, c.bytes)) << c.what;
    char result[512];
    std::memset(result, 0x33, sizeof result);
    const int32_t answered = plugin_.parseTag("(!VuskVidCard)", 0, result);
    if (c.shown.empty()) {
      EXPECT_EQ(0, answered) << c.what;
      EXPECT_EQ(std::string(sizeof result, '\x33'), std::string(result, sizeof result)) << c.what;
    } else {
      ASSERT_EQ(1, answered) << c.what;
      EXPECT_EQ(Framed("^[^  " + c.shown + "^ @ ^" + screen + "^]^"), result) << c.what;
    }
  }
  ASSERT_TRUE(description.Remove());
  char result[16] = "untouched";
  EXPECT_EQ(0, plugin_.parseTag("(!VuskVidCard)", 0, result));
  EXPECT_STREQ("untouched", result);
}

TEST_F(PluginE2E, OperatingSystemAnswerFollowsGetVersionEx) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  ASSERT_TRUE(GetVersionExA(&info));
#pragma GCC diagnostic pop
  OsVersion version;
  version.major = info.dwMajorVersion;
  version.minor = info.dwMinorVersion;
  version.platformId = info.dwPlatformId;
  EXPECT_EQ(Framed(std::string("^[^ ") + OperatingSystemName(version) + " ^]^"),
            Answer("(!VuskOSInfo)"));
}

}  // namespace
}  // namespace ostrakin
