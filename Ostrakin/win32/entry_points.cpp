// The library's exported interface. PublishInfo, ParseTag, ReceiveNotify and the toast functions
// hand their arguments to the core function of the same name, with the Win32 platform calls and
// window messages; Initialize, Uninitialize and ParseCommand have nothing to hand on.
#include <windows.h>

#include "Ostrakin.h"
#include "core/display_toast.h"
#include "core/parse_tag.h"
#include "core/publish_info.h"
#include "core/receive_notify.h"
#include "win32/win32_platform_calls.h"
#include "win32/win32_window_messages.h"

static_assert(sizeof(void*) == 4, "the chat host is a 32-bit program");

// Nothing to set up or tear down, for any reason the loader gives. The library's entry point,
// with no C runtime start-up before it: nothing here needs one (no object is constructed at
// load), and mingw-w64's holds Pentium Pro instructions.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  return TRUE;
}

extern "C" {

int32_t OSTRAKIN_CALL Initialize(uint32_t, uint32_t, uint32_t) {
  return 1;
}

void OSTRAKIN_CALL Uninitialize(void) {}

int32_t OSTRAKIN_CALL PublishInfo(char* displayName, CommandCatalogue* commands,
                                  TagCatalogue* tags) {
  return ostrakin::PublishInfo(displayName, commands, tags);
}

int32_t OSTRAKIN_CALL ParseCommand(uint32_t, uint32_t, uint32_t, uint32_t) {
  return 0;
}

int32_t OSTRAKIN_CALL ParseTag(const char* tag, uint32_t, char* result) {
  ostrakin::Win32PlatformCalls platform;
  return ostrakin::ParseTag(platform, tag, result);
}

int32_t OSTRAKIN_CALL ReceiveNotify(const char* code, uint32_t, uint32_t, char* reply) {
  return ostrakin::ReceiveNotify(code, reply);
}

intptr_t OSTRAKIN_CALL DisplayToast(uint32_t first, uint32_t second, uint32_t third,
                                    unsigned char flag) {
  ostrakin::Win32WindowMessages messages;
  return ostrakin::DisplayToast(messages, first, second, third, flag, ostrakin::ToastText::Narrow);
}

intptr_t OSTRAKIN_CALL DisplayToastW(uint32_t first, uint32_t second, uint32_t third,
                                     unsigned char flag) {
  ostrakin::Win32WindowMessages messages;
  return ostrakin::DisplayToast(messages, first, second, third, flag, ostrakin::ToastText::Wide);
}

}  // extern "C"
