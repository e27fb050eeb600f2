// What the plug-in tells the host about itself through PublishInfo: display name, commands, tags.
#pragma once

#include <cstdint>

#include "Ostrakin.h"
#include "core/keyword_table.h"

namespace ostrakin {

inline constexpr char kDisplayName[] = "Tavrin's Pelicor";

// The catalogue lists, in table order, each keyword row that has a label.
constexpr int CatalogueSize() {
  int size = 0;
  for (const KeywordRow& row : kKeywordTable)
    size += row.label[0] != '\0' ? 1 : 0;
  return size;
}
inline constexpr int kCatalogueSize = CatalogueSize();

// Writes the display name, a command count of 0, and the catalogue's entries, touching no
// other byte of the host's records. 1, or 0 without writing when a pointer is null.
int32_t PublishInfo(char* displayName, CommandCatalogue* commands, TagCatalogue* tags);

}  // namespace ostrakin
