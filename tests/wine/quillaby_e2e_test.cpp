// Quillaby as an installer or a user runs it, with no chat host listening.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "plugin_library.h"
#include "windows_test_support.h"

namespace ostrakin {
namespace {

using standin::ProgramDirectory;
using testing::RunAndCapture;

TEST(QuillabyE2E, WithNoHostListeningExitsAtOnceSilently) {
  const DWORD start = GetTickCount();
  std::string output = "not run";
  EXPECT_EQ(
      0, RunAndCapture("\"" + ProgramDirectory() + "Quillaby.exe\" any arguments at all", &output));
  EXPECT_EQ("", output);
  EXPECT_LT(GetTickCount() - start, 5000u);
}

}  // namespace
}  // namespace ostrakin
