#include "win32/no_critical_error_boxes.h"

namespace ostrakin {

// Both calls return the mode they replace, so the mode to restore is known only after a first
// call; a second one adds back whatever else the caller had set.
NoCriticalErrorBoxes::NoCriticalErrorBoxes() : setThreadErrorMode_(FindSetThreadErrorMode()) {
  if (setThreadErrorMode_ != nullptr) {
    changed_ = setThreadErrorMode_(SEM_FAILCRITICALERRORS, &previous_) != FALSE;
    if (changed_ && (previous_ & ~DWORD(SEM_FAILCRITICALERRORS)) != 0) {
      setThreadErrorMode_(previous_ | SEM_FAILCRITICALERRORS, nullptr);
    }
    return;
  }
  previous_ = SetErrorMode(SEM_FAILCRITICALERRORS);
  changed_ = true;
  if ((previous_ & ~DWORD(SEM_FAILCRITICALERRORS)) != 0)
    SetErrorMode(previous_ | SEM_FAILCRITICALERRORS);
}

NoCriticalErrorBoxes::~NoCriticalErrorBoxes() {
  if (!changed_) return;
  if (setThreadErrorMode_ != nullptr) {
    setThreadErrorMode_(previous_, nullptr);
  } else {
    SetErrorMode(UINT(previous_));
  }
}

}  // namespace ostrakin
