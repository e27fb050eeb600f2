#include "core/publish_info.h"

#include <cstring>

#include "core/text/ascii.h"

namespace ostrakin {
namespace {

// Copies the text and its terminator, nothing more: the rest of the slot stays the host's.
void CopyText(char* destination, const char* text) {
  std::memcpy(destination, text, std::strlen(text) + 1);
}

constexpr bool EveryTextFitsItsSlot() {
  for (const CatalogueEntry& entry : kCatalogue) {
    if (ConstLength(entry.label) >= OSTRAKIN_CATALOGUE_TEXT_SIZE ||
        ConstLength(entry.tagText) >= OSTRAKIN_CATALOGUE_TEXT_SIZE) {
      return false;
    }
  }
  return true;
}
static_assert(EveryTextFitsItsSlot(), "a catalogue text does not fit its 128-byte slot");

}  // namespace

int32_t PublishInfo(char* displayName, CommandCatalogue* commands, TagCatalogue* tags) {
  if (displayName == nullptr || commands == nullptr || tags == nullptr) return 0;
  CopyText(displayName, kDisplayName);
  commands->count = 0;
  tags->count = int32_t(sizeof kCatalogue / sizeof kCatalogue[0]);
  for (size_t slot = 0; slot < sizeof kCatalogue / sizeof kCatalogue[0]; ++slot) {
    CopyText(tags->labels[slot], kCatalogue[slot].label);
    CopyText(tags->tagTexts[slot], kCatalogue[slot].tagText);
  }
  return 1;
}

}  // namespace ostrakin
