// What the plug-in tells the host about itself through PublishInfo: display name, commands, tags.
#pragma once

#include <cstdint>

#include "Ostrakin.h"

namespace ostrakin {

inline constexpr char kDisplayName[] = "Tavrin's Pelicor";

struct CatalogueEntry {
  const char* label;
  const char* tagText;
};

// The disk entry is a template for the user, not a keyword: the user puts a drive letter in
// place of the "*".
inline constexpr CatalogueEntry kCatalogue[] = {
    {"Disk Info", "(!VuskDisk*)  <replace the * with drive letter!>"},
    {"RAM Info", "(!VuskRamStat)"},
    {"RAM Bar", "(!VuskRamBar)"},
    {"Video Card Info", "(!VuskVidCard)"},
    {"OS Info", "(!VuskOSInfo)"},
    {"CPU Info", "(!VuskCPUInfo)"},
};

// Writes the display name, a command count of 0, and the six catalogue entries, touching no
// other byte of the host's records. 1, or 0 without writing when a pointer is null.
int32_t PublishInfo(char* displayName, CommandCatalogue* commands, TagCatalogue* tags);

}  // namespace ostrakin
