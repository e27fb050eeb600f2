// The tag keywords the plug-in answers, in the order a tag is tried against them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ostrakin {

enum class Answer : uint8_t {
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
  Answer answer;
  Placement placement;
  char driveLetter;  // upper case, for DiskSpace rows only
};

constexpr int kKeywordCount = 31;

inline constexpr KeywordRow kKeywordTable[kKeywordCount] = {
    {"(!VuskDiskA)", Answer::DiskSpace, Placement::Appended, 'A'},
    {"(!VuskDiskB)", Answer::DiskSpace, Placement::Appended, 'B'},
    {"(!VuskDiskC)", Answer::DiskSpace, Placement::Appended, 'C'},
    {"(!VuskDiskD)", Answer::DiskSpace, Placement::Appended, 'D'},
    {"(!VuskDiskE)", Answer::DiskSpace, Placement::Appended, 'E'},
    {"(!VuskDiskF)", Answer::DiskSpace, Placement::Appended, 'F'},
    {"(!VuskDiskG)", Answer::DiskSpace, Placement::Appended, 'G'},
    {"(!VuskDiskH)", Answer::DiskSpace, Placement::Appended, 'H'},
    {"(!VuskDiskI)", Answer::DiskSpace, Placement::Appended, 'I'},
    {"(!VuskDiskJ)", Answer::DiskSpace, Placement::Appended, 'J'},
    {"(!VuskDiskK)", Answer::DiskSpace, Placement::Appended, 'K'},
    {"(!VuskDiskL)", Answer::DiskSpace, Placement::Appended, 'L'},
    {"(!VuskDiskM)", Answer::DiskSpace, Placement::Appended, 'M'},
    {"(!VuskDiskN)", Answer::DiskSpace, Placement::Appended, 'N'},
    {"(!VuskDiskO)", Answer::DiskSpace, Placement::Appended, 'O'},
    {"(!VuskDiskP)", Answer::DiskSpace, Placement::Appended, 'P'},
    {"(!VuskDiskQ)", Answer::DiskSpace, Placement::Appended, 'Q'},
    {"(!VuskDiskR)", Answer::DiskSpace, Placement::Appended, 'R'},
    {"(!VuskDiskS)", Answer::DiskSpace, Placement::Appended, 'S'},
    {"(!VuskDiskT)", Answer::DiskSpace, Placement::Appended, 'T'},
    {"(!VuskDiskU)", Answer::DiskSpace, Placement::Appended, 'U'},
    {"(!VuskDiskV)", Answer::DiskSpace, Placement::Appended, 'V'},
    {"(!VuskDiskW)", Answer::DiskSpace, Placement::Appended, 'W'},
    {"(!VuskDiskX)", Answer::DiskSpace, Placement::Appended, 'X'},
    {"(!VuskDiskY)", Answer::DiskSpace, Placement::Appended, 'Y'},
    {"(!VuskDiskZ)", Answer::DiskSpace, Placement::Appended, 'Z'},
    {"(!VuskRamStat)", Answer::MemoryFigures, Placement::Replaces, 0},
    {"(!VuskRamBar)", Answer::MemoryBar, Placement::Replaces, 0},
    {"(!VuskVidCard)", Answer::VideoCard, Placement::Replaces, 0},
    {"(!VuskOSInfo)", Answer::OperatingSystem, Placement::Replaces, 0},
    {"(!VuskCPUInfo)", Answer::Processor, Placement::Replaces, 0},
};

// The row whose keyword equals the whole tag, ignoring the case of A-Z, or null. The result is
// the first such row in table order; it reads at most a few bytes past the longest keyword.
const KeywordRow* FindKeyword(const char* tag);

}  // namespace ostrakin
