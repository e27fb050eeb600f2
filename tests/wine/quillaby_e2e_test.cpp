// Quillaby as an installer or a user runs it: silent, status 0, and waiting for no window.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>

#include "Ostrakin.h"
#include "plugin_library.h"
#include "windows_test_support.h"

namespace ostrakin {
namespace {

using standin::ProgramDirectory;
using testing::ChildProcess;
using testing::RunAndCapture;

std::string Quillaby() {
  return "\"" + ProgramDirectory() + "Quillaby.exe\"";
}

TEST(QuillabyE2E, WithNoHostListeningExitsSilently) {
  std::string output = "not run";
  EXPECT_EQ(0, RunAndCapture(Quillaby() + " any arguments at all", &output));
  EXPECT_EQ("", output);
}

std::atomic<int> noticesHeard{0}, noticesSent{0};

LRESULT CALLBACK CountNotices(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RegisterWindowMessageA(OSTRAKIN_PLUGIN_CHANGE_MESSAGE)) {
    ++noticesHeard;
    if (InSendMessage()) ++noticesSent;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A window whose thread reads no messages while Quillaby runs, as a hung program's: a notice sent
// to it would keep Quillaby waiting until it answers, a posted one waits in its queue. The window
// reads its queue once Quillaby has ended (or after a while, if it has not) and tells which way
// the notice came: so no time bound decides the outcome.
TEST(QuillabyE2E, PostsTheNoticeSoThatAHungWindowCannotHoldItUp) {
  int status = -1;
  {
    testing::WindowOnItsOwnThread hung("OstrakinTestHungWindow", CountNotices, false);
    ASSERT_TRUE(hung.Created());
    ChildProcess quillaby;
    if (quillaby.Start(Quillaby())) {
      quillaby.Ends(30000);
      hung.Read();
      status = quillaby.Finish(INFINITE);
    }
  }  // the window reads the notice Quillaby left in its queue, then ends
  EXPECT_EQ(0, status);
  EXPECT_EQ(1, noticesHeard.load());
  EXPECT_EQ(0, noticesSent.load()) << "sent, not posted: one hung window would hold Quillaby up";
}

}  // namespace
}  // namespace ostrakin
