#include "win32/no_critical_error_boxes.h"

#include <atomic>

#include "win32/system_function.h"

namespace ostrakin {
namespace {

SystemFunction<Kernel32, decltype(&::GetErrorMode)> getErrorMode(
    "GetErrorMode");                                                           // Vista and later
SystemFunction<Kernel32, decltype(&::SetThreadErrorMode)> setThreadErrorMode(  // 7 and later
    "SetThreadErrorMode");

// Before Windows 7 the mode is the process's, shared by every host thread: overlapping queries
// share one save and one restore (a pair per query would interleave and could leave the host's
// mode changed for good). The first query in flight adds the flag; the last puts the saved mode
// back, but only while the mode is still the one the plug-in set. A mode the host set meanwhile
// stays whole, the flag included: a host that read the mode during a query and added to it
// (SetErrorMode(GetErrorMode() | X)) holds the flag too, and may mean it; clearing it could undo
// the host's choice, where keeping it only keeps such boxes away, as Windows advises programs to.
struct SharedProcessMode {
  // A spin lock, constant-initialised so that nothing runs when the DLL loads; held only for a
  // few mode calls, never for a lookup (GetProcAddress may take the loader lock).
  std::atomic<bool> locked{false};
  unsigned queriesInFlight = 0;
  UINT saved = 0;  // the host's mode before the first query
  UINT set = 0;    // the mode the plug-in set, or the saved one when the flag was already there
};
SharedProcessMode processMode;

class ProcessModeLock {
 public:
  ProcessModeLock() {
    for (unsigned spins = 0; processMode.locked.exchange(true, std::memory_order_acquire); ++spins)
      Sleep(spins < 16 ? 0 : 1);  // Sleep(0) alone never yields to a lower-priority holder
  }
  ~ProcessModeLock() { processMode.locked.store(false, std::memory_order_release); }
  ProcessModeLock(const ProcessModeLock&) = delete;
  ProcessModeLock& operator=(const ProcessModeLock&) = delete;
};

// Vista reads the mode with GetErrorMode. On 95 to XP only SetErrorMode reads it, by writing:
// the host's other flags are off for the few instructions until the next call.
void AddToProcessMode(decltype(&::GetErrorMode) readMode) {
  const ProcessModeLock lock;
  if (processMode.queriesInFlight++ != 0) return;
  const UINT inForce = readMode != nullptr ? readMode() : SEM_FAILCRITICALERRORS;
  processMode.saved = readMode != nullptr ? inForce : SetErrorMode(inForce);
  processMode.set = processMode.saved | SEM_FAILCRITICALERRORS;
  if (processMode.set != inForce) SetErrorMode(processMode.set);
}

void RestoreProcessMode(decltype(&::GetErrorMode) readMode) {
  const ProcessModeLock lock;
  if (--processMode.queriesInFlight != 0 || processMode.set == processMode.saved) return;
  if (readMode != nullptr) {
    if (readMode() == processMode.set) SetErrorMode(processMode.saved);
    return;
  }
  const UINT replaced = SetErrorMode(processMode.saved);
  if (replaced != processMode.set) SetErrorMode(replaced);  // the host's change, put back
}

}  // namespace

// SetThreadErrorMode returns the mode it replaces, so the mode to restore is known only after a
// first call; a second one adds back whatever else the caller had set. Only this thread sees the
// moment between them, and it is inside this constructor.
NoCriticalErrorBoxes::NoCriticalErrorBoxes() : setThreadErrorMode_(setThreadErrorMode.Find()) {
  if (setThreadErrorMode_ == nullptr) {
    AddToProcessMode(getErrorMode.Find());
    changed_ = true;
    return;
  }
  changed_ = setThreadErrorMode_(SEM_FAILCRITICALERRORS, &previous_) != FALSE;
  if (changed_ && (previous_ & ~DWORD(SEM_FAILCRITICALERRORS)) != 0) {
    setThreadErrorMode_(previous_ | SEM_FAILCRITICALERRORS, nullptr);
  }
}

NoCriticalErrorBoxes::~NoCriticalErrorBoxes() {
  if (!changed_) return;
  if (setThreadErrorMode_ != nullptr) {
    setThreadErrorMode_(previous_, nullptr);
  } else {
    RestoreProcessMode(getErrorMode.Find());
  }
}

}  // namespace ostrakin
