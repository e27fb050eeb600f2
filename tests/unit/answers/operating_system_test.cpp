// "(!VuskOSInfo)": the name for each version, byte for byte through the dispatch.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/parse_tag.h"
#include "core/platform_facts.h"
#include "frame.h"
#include "scripted_platform_calls.h"

namespace ostrakin {
namespace {

using testing::Framed;
using testing::ScriptedPlatformCalls;

TEST(OperatingSystem, NamesEveryKnownVersion) {
  const struct {
    uint32_t major, minor, platform;
    const char* name;
  } cases[] = {
      {5, 0, 2, "Windows 2000 "},        {5, 1, 2, "Windows XP "},
      {5, 2, 2, "Windows Server 2003 "}, {5, 1, 1, "Windows XP "},
      {4, 0, 2, "Windows NT 4.0 "},      {4, 0, 1, "Windows 95 "},
      {4, 0, 0, "Windows 95 "},          {4, 10, 1, "Windows 98 "},
      {4, 90, 1, "Windows ME "},         {3, 51, 2, "Windows NT 3.xx"},
      {3, 10, 0, "Windows NT 3.xx"},     {6, 1, 2, "Unknown OS"},
      {6, 0, 2, "Unknown OS"},           {10, 0, 2, "Unknown OS"},
      {5, 3, 2, "Unknown OS"},           {4, 5, 2, "Unknown OS"},
      {4, 1, 1, "Unknown OS"},           {2, 0, 0, "Unknown OS"},
      {0, 0, 0, "Unknown OS"},           {5, 10, 1, "Unknown OS"},
      {5, 90, 1, "Unknown OS"},
  };
  for (const auto& c : cases) {
    ScriptedPlatformCalls platform;
    platform.Script(OsVersion{c.major, c.minor, c.platform});
    char result[128];
    ASSERT_EQ(1, ParseTag(platform, "(!VuskOSInfo)", result));
    EXPECT_EQ(Framed(std::string("^[^ ") + c.name + " ^]^"), result)
        << c.major << "." << c.minor << " platform " << c.platform;
  }
}

TEST(OperatingSystem, AFailedVersionQueryIsUnknown) {
  ScriptedPlatformCalls platform;
  platform.Script(OsVersion{5, 1, 2});
  platform.Fail<OsVersion>();  // and leaves that plausible record behind
  char result[128];
  ASSERT_EQ(1, ParseTag(platform, "(!VuskOSInfo)", result));
  EXPECT_EQ(Framed("^[^ Unknown OS ^]^"), result);
}

}  // namespace
}  // namespace ostrakin
