// Quillaby: tells every running chat host that its plug-ins have changed, so that a host lets
// go of the plug-in libraries it holds (before a library file is replaced, for instance).
//
// It posts and ends: no window waits for it. It reads no arguments, prints nothing, and exits
// with 0 whatever happened, so it can be run from any installer or script without checks.
#include <windows.h>

#include "Ostrakin.h"

// The program's entry point, with no C runtime start-up before it: Quillaby needs none, and
// mingw-w64's runs a Pentium Pro instruction on every start.
extern "C" void WINAPI QuillabyMain() {
  // A failed registration gives 0 and the post goes out all the same.
  const UINT pluginChange = RegisterWindowMessageA(OSTRAKIN_PLUGIN_CHANGE_MESSAGE);
  PostMessageA(HWND_BROADCAST, pluginChange, 0, 0);
  ExitProcess(0);
}
