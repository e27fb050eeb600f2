// The stand-in host as a user runs it: a separate process that loads the DLL by path.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/keyword_table.h"
#include "core/publish_info.h"
#include "frame.h"
#include "plugin_library.h"
#include "windows_test_support.h"

namespace ostrakin {
namespace {

using standin::ProgramDirectory;
using testing::Framed;
using testing::RunAndCapture;
using testing::UniqueHkey;
using testing::Visible;

int RunHost(const std::string& arguments, std::string* output) {
  return RunAndCapture("\"" + ProgramDirectory() + "StandInHost.exe\" " + arguments, output);
}

// Wine reports the Windows version that the per-program setting names; each run of the host is
// a fresh process that reads it at start.
class WineVersionForHost {
 public:
  explicit WineVersionForHost(const char* version) {
    UniqueHkey key;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Put(),
                    nullptr);
    RegSetValueExA(key.Get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   DWORD(strlen(version) + 1));
  }
  ~WineVersionForHost() { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }

 private:
  static constexpr char kKey[] = "Software\\Wine\\AppDefaults\\StandInHost.exe";
};

TEST(StandInHostE2E, NamesTheOperatingSystemWineImitates) {
  const struct {
    const char* wineVersion;
    const char* name;
  } cases[] = {
      {"winxp", "Windows XP "},
      {"win2k", "Windows 2000 "},
      {"win2003", "Windows Server 2003 "},
      {"win98", "Windows 98 "},
      {"win95", "Windows 95 "},
      {"winme", "Windows ME "},
      {"nt40", "Windows NT 4.0 "},
      {"nt351", "Windows NT 3.xx"},
      {"win7", "Unknown OS"},
      {"win10", "Unknown OS"},
  };
  for (const auto& c : cases) {
    WineVersionForHost version(c.wineVersion);
    std::string output;
    ASSERT_EQ(0, RunHost("--raw (!VuskOSInfo)", &output)) << c.wineVersion;
    EXPECT_EQ(Framed(std::string("^[^ ") + c.name + " ^]^\n"), output) << c.wineVersion;
  }
}

TEST(StandInHostE2E, ReplacesAnsweredTagsAndLeavesTheRest) {
  std::string output;
  ASSERT_EQ(0, RunHost("--raw \"A (!vuskramstat) B (!VuskRamBr) C (!VuskDisk*)\"", &output));
  const size_t frameEnd = output.find("\x02]\x02");
  ASSERT_EQ(0u, output.find("A \x02[\x02 ")) << Visible(output);
  ASSERT_NE(std::string::npos, frameEnd) << Visible(output);
  // Each tag left as typed is explained on standard error, after the line (both captured here).
  EXPECT_EQ(
      " B (!VuskRamBr) C (!VuskDisk*)\n"
      "StandInHost: (!VuskRamBr) is not one of the plug-in's keywords; nearest: "
      "(!VuskRamBar)\n"
      "StandInHost: (!VuskDisk*) is the catalogue's pattern for keywords: write a drive "
      "letter for the *\n",
      output.substr(frameEnd + 3))
      << Visible(output);
}

TEST(StandInHostE2E, DropsTheControlByteWhenPiped) {
  std::string output;
  ASSERT_EQ(0, RunHost("(!VuskRamBar)", &output));
  EXPECT_EQ(std::string::npos, output.find('\x02')) << Visible(output);
  EXPECT_EQ(0u, output.find("[ ")) << output;
  EXPECT_EQ(" ]\n", output.substr(output.size() - 3)) << output;
}

TEST(StandInHostE2E, ShowsTheWholePlugInWithoutAMessage) {
  std::string output;
  ASSERT_EQ(0, RunHost("", &output));
  EXPECT_EQ(0u, output.find("Plug-in: Tavrin's Pelicor\nCommands: 0\nTags:\n  Disk Info        "
                            "(!VuskDisk*)  <replace the * with drive letter!>\n"))
      << output;
  // An answer for each keyword the catalogue names: its entries', and the template's A to Z.
  for (const KeywordRow& row : kKeywordTable) {
    if (row.label[0] != '\0' || row.answer == FormatDiskSpace) {
      EXPECT_NE(std::string::npos, output.find("\n  " + std::string(row.text) + " ")) << row.text;
    }
  }
  EXPECT_NE(std::string::npos, output.find("\nAnswers:\n  (!VuskDiskA)    [ ")) << output;
  EXPECT_NE(
      std::string::npos,
      output.find("Ping \"smppg\":\n  Pong!\n  #/brb I'll be back in 5 seconds\n  #5#/online\n"))
      << output;
}

TEST(StandInHostE2E, PingOption) {
  std::string output;
  ASSERT_EQ(0, RunHost("--ping", &output));
  EXPECT_EQ("Pong!\n#/brb I'll be back in 5 seconds\n#5#/online\n", output);
}

// Every way of starting the host wrongly ends it with status 2 and a reason in words.
TEST(StandInHostE2E, RefusesWhatItCannotDoWithAReason) {
  const struct {
    std::string arguments;
    const char* reason;
  } cases[] = {
      {"--plugin \"" + ProgramDirectory() + "IncompletePlugin.dll\" (!VuskOSInfo)",
       "does not export the entry point ParseTag"},
      {"--plugin NoSuchPlugin.dll", "cannot load NoSuchPlugin.dll: "},
      {"--bogus (!VuskOSInfo)", "unknown option --bogus"},
      {"--ping (!VuskOSInfo)", "--ping and a message cannot be combined"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    std::string output;
    EXPECT_EQ(2, RunHost(c.arguments, &output));
    EXPECT_NE(std::string::npos, output.find(c.reason)) << output;
  }
}

// Text from standard input is UTF-8 of any length; the plug-in sees it in the system code page
// (1252 in this prefix), where a character the code page lacks is '?'. A pipe gets UTF-8 back.
TEST(StandInHostE2E, TakesAMessageOfAnyLengthAsUtf8) {
  ASSERT_EQ(1252u, GetACP()) << "the expectations below are for Windows-1252";
  const std::string filler(50000, 'x');
  const std::string greeting =
      "Gr\xC3\xBC\xC3\x9F"
      "e \xD0\x96 ";  // "Grüße Ж " in UTF-8
  const struct {
    const char* options;
    std::string message, output;
  } cases[] = {
      {"", filler + " (!VuskOSInfo) " + filler, filler + " [ Unknown OS ] " + filler + "\n"},
      {"", greeting + "(!VuskOSInfo)",
       "Gr\xC3\xBC\xC3\x9F"
       "e ? [ Unknown OS ]\n"},
      {"--raw", greeting + "(!VuskOSInfo)",
       Framed("Gr\xFC\xDF"
              "e ? ^[^ Unknown OS ^]^\n")},
      // Full-width brackets and exclamation mark, infinity, l with stroke: no look-alikes.
      {"", "\xEF\xBC\x88\xEF\xBC\x81VuskOSInfo\xEF\xBC\x89 \xE2\x88\x9E \xC5\x82",
       "??VuskOSInfo? ? ?\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    testing::ChildProcess host;
    ASSERT_TRUE(host.Start("\"" + ProgramDirectory() + "StandInHost.exe\" " + c.options +
                           " --message-file -"));
    ASSERT_TRUE(host.WriteLine(c.message));
    EXPECT_EQ(0, host.Finish(20000));
    EXPECT_EQ(c.output, host.Transcript()) << Visible(host.Transcript().substr(0, 200));
  }
}

}  // namespace
}  // namespace ostrakin
