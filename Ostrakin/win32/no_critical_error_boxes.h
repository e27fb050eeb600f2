// While an object lives, the system fails a call that meets a critical error (a drive with no
// medium, for one) instead of showing "There is no disk in the drive" and blocking the chat
// host's thread until someone clicks. Only that flag is added. Afterwards the caller's mode comes
// back exactly, with one exception: where the mode is the process's (before Windows 7) and the
// host changed it meanwhile, it stays as the host left it, this flag included.
#pragma once

#include <windows.h>

namespace ostrakin {

class NoCriticalErrorBoxes {
 public:
  NoCriticalErrorBoxes();
  ~NoCriticalErrorBoxes();
  NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
  NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

 private:
  // The calling thread's own mode where Windows has one (7 and later); otherwise the process's,
  // shared by all of the plug-in's threads.
  decltype(&::SetThreadErrorMode) setThreadErrorMode_;
  bool changed_ = false;
  DWORD previous_ = 0;  // the thread's mode before
};

}  // namespace ostrakin
