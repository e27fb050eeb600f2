// The messages a chat host hears, delivered to the stand-in host's window: toast requests from
// the real DLL in the host's own process, plug-in change notices from Quillaby in another.
// These tests need an X display (scripts/test starts Xvfb).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "host_window.h"
#include "plugin_library.h"
#include "windows_test_support.h"

namespace ostrakin {
namespace {

using standin::ProgramDirectory;
using testing::ChildProcess;
using testing::RunAndCapture;

// The toast functions as a caller with a 32-bit slot per argument sees them: the flag's slot
// can carry bits above the byte the function reads.
using ToastBySlots = intptr_t(__cdecl*)(uint32_t, uint32_t, uint32_t, uint32_t);

struct HeardToast {
  unsigned char record[sizeof(ToastRequest)];
  LPARAM lParam;
};

class ToastE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::HostWindow::Handlers handlers;
    // Every request here comes from this process and this thread, so its record can be read.
    handlers.toast = [this](WPARAM wParam, LPARAM lParam) {
      HeardToast toast = {};
      std::memcpy(toast.record, reinterpret_cast<const void*>(wParam), sizeof toast.record);
      toast.lParam = lParam;
      heard_.push_back(toast);
      return standin::kToastShown;
    };
    window_ = std::make_unique<standin::HostWindow>(handlers);
    std::string error;
    ASSERT_TRUE(window_->Create(&error)) << error;
    ASSERT_TRUE(library_.Load(&error)) << error;
    narrow_ = library_.Find<ToastBySlots>("DisplayToast");
    wide_ = library_.Find<ToastBySlots>("DisplayToastW");
    ASSERT_NE(nullptr, narrow_);
    ASSERT_NE(nullptr, wide_);
  }
  void TearDown() override {
    window_.reset();
    library_.Release();
  }

  std::unique_ptr<standin::HostWindow> window_;
  standin::PluginLibrary library_{standin::PluginBesideThisProgram()};
  ToastBySlots narrow_ = nullptr, wide_ = nullptr;
  std::vector<HeardToast> heard_;
};

TEST_F(ToastE2E, TheHostWindowReceivesTheExactRecord) {
  const struct {
    uint32_t flagSlot;
    uint32_t flagWord;
  } flags[] = {{1, 0xFFFFFFFF}, {255, 0xFFFFFFFF}, {0, 0}, {0x100, 0}, {0x201, 0xFFFFFFFF}};
  for (const auto& flag : flags) {
    for (ToastBySlots toast : {narrow_, wide_}) {
      heard_.clear();
      toast(0x11111111, 0x22222222, 0x33333333, flag.flagSlot);
      ASSERT_EQ(1u, heard_.size()) << "the send waits until the window has handled it";
      uint32_t expected[5] = {0x22222222, 0x11111111, 0x33333333, flag.flagWord, 0};
      EXPECT_EQ(0, std::memcmp(expected, heard_[0].record, sizeof expected))
          << "flag slot " << flag.flagSlot;
      EXPECT_EQ(toast == wide_ ? 1 : 0, heard_[0].lParam);
    }
  }
}

TEST_F(ToastE2E, ReturnsWhatTheBroadcastSendReturns) {
  // A broadcast send answers for all windows at once; the window's own answer comes back only
  // from a send to it alone. The toast functions must pass on the broadcast's result as it is.
  const ToastRequest record = {2, 1, 3, 0, 0};
  const LRESULT direct =
      SendMessageA(window_->Window(), window_->ToastMessage(), WPARAM(&record), 0);
  EXPECT_EQ(standin::kToastShown, direct);
  for (LPARAM lParam : {0, 1}) {
    const LRESULT broadcast =
        SendMessageA(HWND_BROADCAST, window_->ToastMessage(), WPARAM(&record), lParam);
    const intptr_t returned = (lParam == 0 ? narrow_ : wide_)(1, 2, 3, 0);
    EXPECT_EQ(broadcast, returned) << "lParam " << lParam;
  }
}

int RunQuillaby(std::string* output) {
  return RunAndCapture("\"" + ProgramDirectory() + "Quillaby.exe\" ignored --arguments", output);
}

// A stand-in host started with --listen and `options`, ready once it says that it listens.
::testing::AssertionResult StartListening(ChildProcess& host, const std::string& options = "") {
  if (!host.Start("\"" + ProgramDirectory() + "StandInHost.exe\" --listen" + options)) {
    return ::testing::AssertionFailure() << "the host did not start";
  }
  if (!host.WaitForLine("Listening for", 20000)) {
    return ::testing::AssertionFailure() << host.Transcript();
  }
  return ::testing::AssertionSuccess();
}

TEST(PluginChangeE2E, QuillabyNoticesReachAListeningHost) {
  ChildProcess host;
  ASSERT_TRUE(StartListening(host));
  for (int run = 1; run <= 2; ++run) {
    std::string output = "not run";
    EXPECT_EQ(0, RunQuillaby(&output)) << "run " << run;
    EXPECT_EQ("", output) << "run " << run;
    ASSERT_TRUE(host.WaitForLine("Plug-in change notice (wParam 0, lParam 0)", 10000))
        << "run " << run << "\n"
        << host.Transcript();
  }
  EXPECT_EQ(0, host.Finish(10000));
}

// A /toast line typed into the listening host calls the plug-in's toast function in the host's
// process; the host's own window hears the record, and the line reports what the send returned.
TEST(TypedToastE2E, ReachesTheListeningHostsWindow) {
  ChildProcess host;
  ASSERT_TRUE(StartListening(host));
  ASSERT_TRUE(host.WriteLine("/toastw 1 0x2 3 255"));
  EXPECT_TRUE(
      host.WaitForLine("Toast request (wide texts, lParam 1): first 0x00000001 second "
                       "0x00000002 third 0x00000003 flag -1 unused 0x00000000",
                       10000))
      << host.Transcript();
  EXPECT_TRUE(
      host.WaitForLine("DisplayToastW(0x00000001, 0x00000002, 0x00000003, 255) returned", 10000))
      << host.Transcript();
  EXPECT_EQ(0, host.Finish(10000));
}

HWND WindowOf(const ChildProcess& host) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, "StandInChatHostWindow", nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == host.ProcessId()) break;
  }
  return window;
}

HWND notifiedOnToast = nullptr;
bool notifiedAlready = false;

// Hears the first toast broadcast and, while the sender still waits, sends the host a toast
// request of this program's and the change notice.
LRESULT CALLBACK NotifyOnToast(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RegisterWindowMessageA(OSTRAKIN_DISPLAY_TOAST_MESSAGE) && !notifiedAlready) {
    notifiedAlready = true;
    SendMessageA(notifiedOnToast, message, 0x00ABCDEF, 0);
    SendMessageA(notifiedOnToast, RegisterWindowMessageA(OSTRAKIN_PLUGIN_CHANGE_MESSAGE), 7, 9);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// While the plug-in's toast function waits in its send, the host's thread answers what other
// programs send it: another program's toast request is named, not read (its record is not in the
// host's memory), and a change notice must not release the library under the running toast. The
// notice is acted on once, as sent, when the toast has returned; a later toast has none.
TEST(TypedToastE2E, AChangeNoticeSentDuringTheToastWaitsForItToReturn) {
  ChildProcess host;
  ASSERT_TRUE(StartListening(host));
  notifiedOnToast = WindowOf(host);
  ASSERT_NE(nullptr, notifiedOnToast);
  testing::WindowOnItsOwnThread notifier("OstrakinTestNotifier", NotifyOnToast);
  ASSERT_TRUE(notifier.Created());
  ASSERT_TRUE(host.WriteLine("/toast 1 2 3"));
  EXPECT_TRUE(
      host.WaitForLine("(narrow texts, lParam 0) from another program: its record, at "
                       "0x00ABCDEF in that program's memory, cannot be read here",
                       20000))
      << host.Transcript();
  EXPECT_TRUE(host.WaitForLine(") returned", 20000)) << host.Transcript();
  EXPECT_TRUE(host.WaitForLine("Plug-in change notice (wParam 7, lParam 9): released", 10000))
      << host.Transcript();
  ASSERT_TRUE(host.WriteLine("/toast 4 5 6"));
  EXPECT_TRUE(host.WaitForLine(") returned", 20000)) << host.Transcript();
  EXPECT_EQ(0, host.Finish(10000)) << host.Transcript();
  const std::string& transcript = host.Transcript();
  EXPECT_EQ(transcript.find("Plug-in change notice"), transcript.rfind("Plug-in change notice"))
      << transcript;
}

// Another program may close the host's hidden window: the host answers what was typed before,
// says that it stops, and ends, rather than losing the next line and waiting forever.
TEST(TypedLinesE2E, AHostAskedToCloseAnswersWhatWasTypedAndEnds) {
  ChildProcess host;
  ASSERT_TRUE(StartListening(host));
  ASSERT_TRUE(host.WriteLine("os: (!VuskOSInfo)"));
  ASSERT_TRUE(host.WaitForLine("os: [ ", 10000)) << host.Transcript();
  HWND window = WindowOf(host);
  ASSERT_NE(nullptr, window);
  ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
  EXPECT_TRUE(host.WaitForLine("Asked by another program to close", 10000)) << host.Transcript();
  EXPECT_TRUE(host.Ends(10000)) << "the host must end, its input still open";
  EXPECT_EQ(0, host.Finish(10000)) << host.Transcript();
}

bool Copy(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

TEST(PluginChangeE2E, AReleasedPlugInFileCanBeReplacedWhileTheHostRuns) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder =
      std::string(temp) + "ostrakin-replace-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string plugin = folder + "Ostrakin.dll";
  ASSERT_TRUE(Copy(ProgramDirectory() + "Ostrakin.dll", plugin));

  {
    ChildProcess host;
    ASSERT_TRUE(StartListening(host, " --plugin \"" + plugin + "\""));
    ASSERT_TRUE(host.WriteLine("os: (!VuskOSInfo)"));
    ASSERT_TRUE(host.WaitForLine("os: [ ", 10000)) << host.Transcript();

    // While the host holds the library, its file cannot be replaced.
    EXPECT_FALSE(Copy(ProgramDirectory() + "ReplacementPlugin.dll", plugin));
    EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), GetLastError());

    std::string output;
    ASSERT_EQ(0, RunQuillaby(&output));
    ASSERT_TRUE(host.WaitForLine("released " + plugin, 10000)) << host.Transcript();
    ASSERT_TRUE(Copy(ProgramDirectory() + "ReplacementPlugin.dll", plugin))
        << "error " << GetLastError();

    ASSERT_TRUE(host.WriteLine("os: (!VuskOSInfo)"));
    EXPECT_TRUE(host.WaitForLine("Loaded " + plugin + " again: Replacement plug-in", 10000))
        << host.Transcript();
    EXPECT_TRUE(host.WaitForLine("os: [ answered by the replacement ]", 10000))
        << host.Transcript();
    EXPECT_EQ(0, host.Finish(10000));
  }
  DeleteFileA(plugin.c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace ostrakin
