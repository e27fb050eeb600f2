// The tag keywords the plug-in answers, in the order a tag is tried against them, and the
// answer each leads to. README.md's "Adding a tag" says what a new keyword or answer takes.
#pragma once

#include <cstddef>

#include "core/platform_calls.h"
#include "core/text/ascii.h"

namespace ostrakin {

// Writes an answer's text from `out` on, at most kAnswerCapacity bytes with the terminator; false,
// with `out` untouched, when there is nothing to say. `argument` is the row's: a disk answer's
// drive letter.
using AnswerFunction = bool (*)(PlatformCalls& platform, char argument, char* out);

// The answers, one file each in core/answers/.
bool FormatDiskSpace(PlatformCalls& platform, char driveLetter, char* out);
bool FormatMemoryFigures(PlatformCalls& platform, char, char* out);
bool FormatMemoryBar(PlatformCalls& platform, char, char* out);
bool FormatVideoCard(PlatformCalls& platform, char, char* out);
bool FormatOperatingSystem(PlatformCalls& platform, char, char* out);
bool FormatProcessor(PlatformCalls& platform, char, char* out);

// Appended: after the text already in the host's buffer. Replaces: from the buffer's first byte.
enum class Placement : unsigned char { Appended, Replaces };

struct KeywordRow {
  const char* text = "";
  AnswerFunction answer = nullptr;
  Placement placement = Placement::Replaces;
  char argument = 0;
  // The row's entry in the catalogue the host shows its users: its label, or "" for a row listed
  // by an earlier row's entry; and the text listed, when it is not the keyword itself.
  const char* label = "";
  const char* listedAs = "";
  size_t length = ConstLength(text);  // worked out, never written
};

// Whether a host would ever hand the text over: a host offers a plug-in what a user wrote from
// "(!" to the next ")", and nothing with a "(" before that ")".
constexpr bool IsTagAHostHandsOver(const char* text) {
  const size_t length = ConstLength(text);
  if (length < 3 || text[0] != '(' || text[1] != '!' || text[length - 1] != ')') return false;
  for (size_t i = 2; i + 1 < length; ++i) {
    if (text[i] == '(' || text[i] == ')') return false;
  }
  return true;
}

// Whether every row of a table has that shape; the build checks the plug-in's own table with it.
template <size_t Count>
constexpr bool EveryKeywordIsATagAHostHandsOver(const KeywordRow (&rows)[Count]) {
  for (const KeywordRow& row : rows) {
    if (!IsTagAHostHandsOver(row.text)) return false;
  }
  return true;
}

// The disk keywords are listed once, as a pattern the user completes with a drive letter.
inline constexpr char kDiskTemplate[] = "(!VuskDisk*)  <replace the * with drive letter!>";

inline constexpr KeywordRow kKeywordTable[] = {
    {"(!VuskDiskA)", FormatDiskSpace, Placement::Appended, 'A', "Disk Info", kDiskTemplate},
    {"(!VuskDiskB)", FormatDiskSpace, Placement::Appended, 'B'},
    {"(!VuskDiskC)", FormatDiskSpace, Placement::Appended, 'C'},
    {"(!VuskDiskD)", FormatDiskSpace, Placement::Appended, 'D'},
    {"(!VuskDiskE)", FormatDiskSpace, Placement::Appended, 'E'},
    {"(!VuskDiskF)", FormatDiskSpace, Placement::Appended, 'F'},
    {"(!VuskDiskG)", FormatDiskSpace, Placement::Appended, 'G'},
    {"(!VuskDiskH)", FormatDiskSpace, Placement::Appended, 'H'},
    {"(!VuskDiskI)", FormatDiskSpace, Placement::Appended, 'I'},
    {"(!VuskDiskJ)", FormatDiskSpace, Placement::Appended, 'J'},
    {"(!VuskDiskK)", FormatDiskSpace, Placement::Appended, 'K'},
    {"(!VuskDiskL)", FormatDiskSpace, Placement::Appended, 'L'},
    {"(!VuskDiskM)", FormatDiskSpace, Placement::Appended, 'M'},
    {"(!VuskDiskN)", FormatDiskSpace, Placement::Appended, 'N'},
    {"(!VuskDiskO)", FormatDiskSpace, Placement::Appended, 'O'},
    {"(!VuskDiskP)", FormatDiskSpace, Placement::Appended, 'P'},
    {"(!VuskDiskQ)", FormatDiskSpace, Placement::Appended, 'Q'},
    {"(!VuskDiskR)", FormatDiskSpace, Placement::Appended, 'R'},
    {"(!VuskDiskS)", FormatDiskSpace, Placement::Appended, 'S'},
    {"(!VuskDiskT)", FormatDiskSpace, Placement::Appended, 'T'},
    {"(!VuskDiskU)", FormatDiskSpace, Placement::Appended, 'U'},
    {"(!VuskDiskV)", FormatDiskSpace, Placement::Appended, 'V'},
    {"(!VuskDiskW)", FormatDiskSpace, Placement::Appended, 'W'},
    {"(!VuskDiskX)", FormatDiskSpace, Placement::Appended, 'X'},
    {"(!VuskDiskY)", FormatDiskSpace, Placement::Appended, 'Y'},
    {"(!VuskDiskZ)", FormatDiskSpace, Placement::Appended, 'Z'},
    {"(!VuskRamStat)", FormatMemoryFigures, Placement::Replaces, 0, "RAM Info"},
    {"(!VuskRamBar)", FormatMemoryBar, Placement::Replaces, 0, "RAM Bar"},
    {"(!VuskVidCard)", FormatVideoCard, Placement::Replaces, 0, "Video Card Info"},
    {"(!VuskOSInfo)", FormatOperatingSystem, Placement::Replaces, 0, "OS Info"},
    {"(!VuskCPUInfo)", FormatProcessor, Placement::Replaces, 0, "CPU Info"},
};

inline constexpr size_t kKeywordCount = sizeof kKeywordTable / sizeof kKeywordTable[0];

// The first row whose keyword equals the whole tag, ignoring the case of A-Z (and nothing else);
// null when none does. The lookup works for any rows (core/keyword_index.h).
const KeywordRow* FindKeyword(const char* tag);

}  // namespace ostrakin
