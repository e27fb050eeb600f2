#include "win32/no_critical_error_boxes.h"

#include <atomic>

namespace ostrakin {
namespace {

// Before Windows 7 the mode belongs to the process, and every host thread shares it. Queries that
// overlap on several host threads therefore share one save and one restore: the first query in
// flight adds the flag, the last puts the saved mode back. A pair per query would interleave and
// could leave the flag set, or the host's own flags cleared, for good.
//
// What no plug-in can prevent: a host thread that calls SetErrorMode itself while a query is in
// flight. Its change holds until the last query ends, and is then undone by the restore.
struct SharedProcessMode {
  // A spin lock: constant-initialised, so nothing runs when the DLL loads, and held only for
  // one or two mode calls.
  std::atomic<bool> locked{false};
  unsigned queriesInFlight = 0;
  UINT saved = 0;
  bool added = false;  // the flag was not in the saved mode, so the last query takes it out
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

void AddToProcessMode() {
  const ProcessModeLock lock;
  if (processMode.queriesInFlight++ != 0) return;
  // Vista reads the mode without writing it. On 95 to XP SetErrorMode is the only way to read
  // it, and it writes as it reads, so the caller's other flags are off from that call to the
  // next, a few instructions later. That moment remains; the shared count keeps it to once per
  // run of overlapping queries.
  const GetErrorModeFunction getErrorMode = FindGetErrorMode();
  // The mode in force once it has been read: reading with SetErrorMode leaves only the flag.
  const UINT inForce = getErrorMode != nullptr ? getErrorMode() : SEM_FAILCRITICALERRORS;
  processMode.saved = getErrorMode != nullptr ? inForce : SetErrorMode(inForce);
  processMode.added = (processMode.saved & SEM_FAILCRITICALERRORS) == 0;
  const UINT wanted = processMode.saved | SEM_FAILCRITICALERRORS;
  if (wanted != inForce) SetErrorMode(wanted);
}

void RestoreProcessMode() {
  const ProcessModeLock lock;
  if (--processMode.queriesInFlight == 0 && processMode.added) SetErrorMode(processMode.saved);
}

}  // namespace

// SetThreadErrorMode returns the mode it replaces, so the mode to restore is known only after a
// first call; a second one adds back whatever else the caller had set. Only this thread sees the
// moment between them, and it is inside this constructor.
NoCriticalErrorBoxes::NoCriticalErrorBoxes() : setThreadErrorMode_(FindSetThreadErrorMode()) {
  if (setThreadErrorMode_ == nullptr) {
    AddToProcessMode();
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
    RestoreProcessMode();
  }
}

}  // namespace ostrakin
