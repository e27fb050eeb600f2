// A complete plug-in that answers differently from Ostrakin: the file that replaces it while a
// host runs.
#include <cstring>

#include "Ostrakin.h"

extern "C" {
int32_t OSTRAKIN_CALL Initialize(uint32_t, uint32_t, uint32_t) {
  return 1;
}
void OSTRAKIN_CALL Uninitialize(void) {}
int32_t OSTRAKIN_CALL PublishInfo(char* name, CommandCatalogue* commands, TagCatalogue* tags) {
  std::strcpy(name, "Replacement plug-in");
  commands->count = 0;
  tags->count = 0;
  return 1;
}
int32_t OSTRAKIN_CALL ParseCommand(uint32_t, uint32_t, uint32_t, uint32_t) {
  return 0;
}
int32_t OSTRAKIN_CALL ParseTag(const char*, uint32_t, char* result) {
  std::strcpy(result, "\x02[\x02 answered by the replacement \x02]\x02");
  return 1;
}
int32_t OSTRAKIN_CALL ReceiveNotify(const char*, uint32_t, uint32_t, char*) {
  return 0;
}
}
