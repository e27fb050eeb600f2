// A plug-in that lacks ParseTag, for the host's report of a missing entry point.
#include <cstdint>

extern "C" {
int32_t __cdecl Initialize(uint32_t, uint32_t, uint32_t) {
  return 1;
}
void __cdecl Uninitialize(void) {}
int32_t __cdecl PublishInfo(char*, void*, void*) {
  return 1;
}
int32_t __cdecl ParseCommand(uint32_t, uint32_t, uint32_t, uint32_t) {
  return 0;
}
int32_t __cdecl ReceiveNotify(const char*, uint32_t, uint32_t, char*) {
  return 0;
}
}
