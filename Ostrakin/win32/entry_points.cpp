// The library's exported interface: thin bindings of the portable core to the Win32 facts.
#include <windows.h>

#include "Ostrakin.h"
#include "catalogue.h"
#include "parse_tag.h"
#include "ping.h"
#include "toast_request.h"
#include "win32_system_facts.h"
#include "win32_window_messages.h"

static_assert(sizeof(void*) == 4, "the chat host is a 32-bit program");

// Nothing to set up or tear down, for any reason the loader gives.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  return TRUE;
}

extern "C" {

int32_t OSTRAKIN_CALL Initialize(uint32_t, uint32_t, uint32_t) {
  return 1;
}

void OSTRAKIN_CALL Uninitialize(void) {}

int32_t OSTRAKIN_CALL PublishInfo(char* displayName, CommandCatalogue* commands,
                                  TagCatalogue* tags) {
  return ostrakin::PublishCatalogue(displayName, commands, tags);
}

int32_t OSTRAKIN_CALL ParseCommand(uint32_t, uint32_t, uint32_t, uint32_t) {
  return 0;
}

int32_t OSTRAKIN_CALL ParseTag(const char* tag, uint32_t, char* result) {
  ostrakin::Win32SystemFacts facts;
  return ostrakin::AnswerTag(facts, tag, result);
}

int32_t OSTRAKIN_CALL ReceiveNotify(const char* code, uint32_t, uint32_t, char* reply) {
  return ostrakin::ReplyToNotification(code, reply);
}

intptr_t OSTRAKIN_CALL DisplayToast(uint32_t first, uint32_t second, uint32_t third,
                                    unsigned char flag) {
  ostrakin::Win32WindowMessages messages;
  return ostrakin::SendToast(messages, first, second, third, flag, ostrakin::ToastText::Narrow);
}

intptr_t OSTRAKIN_CALL DisplayToastW(uint32_t first, uint32_t second, uint32_t third,
                                     unsigned char flag) {
  ostrakin::Win32WindowMessages messages;
  return ostrakin::SendToast(messages, first, second, third, flag, ostrakin::ToastText::Wide);
}

}  // extern "C"
