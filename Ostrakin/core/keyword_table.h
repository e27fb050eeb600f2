// The tag keywords the plug-in answers, in the order a tag is tried against them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ostrakin {

// The answer a keyword leads to.
enum class Probe : uint8_t {
  DiskSpace,
  MemoryFigures,
  MemoryBar,
  VideoCard,
  OperatingSystem,
  Processor
};

// Appended: after the text already in the host's buffer. Replaces: from the buffer's first byte.
enum class Placement : uint8_t { Appended, Replaces };

struct KeywordRow {
  const char* text;
  Probe probe;
  Placement placement;
  char driveLetter = 0;  // upper case, for DiskSpace rows only
  // The row's entry in the catalogue the host shows its users: its label, or "" for a row listed
  // by an earlier row's entry; and the text listed, when it is not the keyword itself.
  const char* label = "";
  const char* listedAs = "";
};

// The disk keywords are listed once, as a pattern the user completes with a drive letter.
inline constexpr char kDiskTemplate[] = "(!VuskDisk*)  <replace the * with drive letter!>";

// Adding a tag: one row here, in the place its keyword is tried (the lookup keys itself, and the
// catalogue, the stand-in host and the tests take the rows and the count from this table). A
// new kind of answer also needs its Probe, a Format... function in core/answers/ with its test,
// and a case in parse_tag.cpp's FormatAnswer and fault_injection_test.cpp's Expected (the
// compiler names both); readme.txt describes each tag for users. README.md says more.
inline constexpr KeywordRow kKeywordTable[] = {
    {"(!VuskDiskA)", Probe::DiskSpace, Placement::Appended, 'A', "Disk Info", kDiskTemplate},
    {"(!VuskDiskB)", Probe::DiskSpace, Placement::Appended, 'B'},
    {"(!VuskDiskC)", Probe::DiskSpace, Placement::Appended, 'C'},
    {"(!VuskDiskD)", Probe::DiskSpace, Placement::Appended, 'D'},
    {"(!VuskDiskE)", Probe::DiskSpace, Placement::Appended, 'E'},
    {"(!VuskDiskF)", Probe::DiskSpace, Placement::Appended, 'F'},
    {"(!VuskDiskG)", Probe::DiskSpace, Placement::Appended, 'G'},
    {"(!VuskDiskH)", Probe::DiskSpace, Placement::Appended, 'H'},
    {"(!VuskDiskI)", Probe::DiskSpace, Placement::Appended, 'I'},
    {"(!VuskDiskJ)", Probe::DiskSpace, Placement::Appended, 'J'},
    {"(!VuskDiskK)", Probe::DiskSpace, Placement::Appended, 'K'},
    {"(!VuskDiskL)", Probe::DiskSpace, Placement::Appended, 'L'},
    {"(!VuskDiskM)", Probe::DiskSpace, Placement::Appended, 'M'},
    {"(!VuskDiskN)", Probe::DiskSpace, Placement::Appended, 'N'},
    {"(!VuskDiskO)", Probe::DiskSpace, Placement::Appended, 'O'},
    {"(!VuskDiskP)", Probe::DiskSpace, Placement::Appended, 'P'},
    {"(!VuskDiskQ)", Probe::DiskSpace, Placement::Appended, 'Q'},
    {"(!VuskDiskR)", Probe::DiskSpace, Placement::Appended, 'R'},
    {"(!VuskDiskS)", Probe::DiskSpace, Placement::Appended, 'S'},
    {"(!VuskDiskT)", Probe::DiskSpace, Placement::Appended, 'T'},
    {"(!VuskDiskU)", Probe::DiskSpace, Placement::Appended, 'U'},
    {"(!VuskDiskV)", Probe::DiskSpace, Placement::Appended, 'V'},
    {"(!VuskDiskW)", Probe::DiskSpace, Placement::Appended, 'W'},
    {"(!VuskDiskX)", Probe::DiskSpace, Placement::Appended, 'X'},
    {"(!VuskDiskY)", Probe::DiskSpace, Placement::Appended, 'Y'},
    {"(!VuskDiskZ)", Probe::DiskSpace, Placement::Appended, 'Z'},
    {"(!VuskRamStat)", Probe::MemoryFigures, Placement::Replaces, 0, "RAM Info"},
    {"(!VuskRamBar)", Probe::MemoryBar, Placement::Replaces, 0, "RAM Bar"},
    {"(!VuskVidCard)", Probe::VideoCard, Placement::Replaces, 0, "Video Card Info"},
    {"(!VuskOSInfo)", Probe::OperatingSystem, Placement::Replaces, 0, "OS Info"},
    {"(!VuskCPUInfo)", Probe::Processor, Placement::Replaces, 0, "CPU Info"},
};

constexpr int kKeywordCount = int(sizeof kKeywordTable / sizeof kKeywordTable[0]);

// The row whose keyword equals the whole tag, ignoring the case of A-Z, or null. The result is
// the first such row in table order; it reads the tag no further than one byte past the longest
// keyword.
const KeywordRow* FindKeyword(const char* tag);

}  // namespace ostrakin
