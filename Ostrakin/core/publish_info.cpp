#include "core/publish_info.h"

#include <cstring>

#include "core/text/ascii.h"

namespace ostrakin {
namespace {

// Copies the text and its terminator, nothing more: the rest of the slot stays the host's.
void CopyText(char* destination, const char* text) {
  std::memcpy(destination, text, std::strlen(text) + 1);
}

constexpr const char* ListedText(const KeywordRow& row) {
  return row.listedAs[0] != '\0' ? row.listedAs : row.text;
}

constexpr bool EveryTextFitsItsSlot() {
  for (const KeywordRow& row : kKeywordTable) {
    if (row.label[0] != '\0' && (ConstLength(row.label) >= OSTRAKIN_CATALOGUE_TEXT_SIZE ||
                                 ConstLength(ListedText(row)) >= OSTRAKIN_CATALOGUE_TEXT_SIZE))
      return false;
  }
  return true;
}
static_assert(EveryTextFitsItsSlot(), "a catalogue text does not fit its 128-byte slot");
static_assert(kCatalogueSize <= OSTRAKIN_CATALOGUE_SLOTS, "the host's catalogue has 50 slots");

}  // namespace

int32_t PublishInfo(char* displayName, CommandCatalogue* commands, TagCatalogue* tags) {
  if (displayName == nullptr || commands == nullptr || tags == nullptr) return 0;
  CopyText(displayName, kDisplayName);
  commands->count = 0;
  tags->count = kCatalogueSize;
  int slot = 0;
  for (const KeywordRow& row : kKeywordTable) {
    if (row.label[0] == '\0') continue;
    CopyText(tags->labels[slot], row.label);
    CopyText(tags->tagTexts[slot++], ListedText(row));
  }
  return 1;
}

}  // namespace ostrakin
