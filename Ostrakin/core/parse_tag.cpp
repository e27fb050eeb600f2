#include "core/parse_tag.h"

#include <cstring>

#include "core/answers/disk_space.h"
#include "core/answers/memory_bar.h"
#include "core/answers/memory_figures.h"
#include "core/answers/operating_system.h"
#include "core/answers/processor.h"
#include "core/answers/video_card.h"
#include "core/keyword_table.h"

namespace ostrakin {
namespace {

bool FormatAnswer(PlatformCalls& platform, const KeywordRow& row, char* out) {
  switch (row.probe) {
    case Probe::DiskSpace:
      return FormatDiskSpace(platform, row.driveLetter, out);
    case Probe::MemoryFigures:
      return FormatMemoryFigures(platform, out);
    case Probe::MemoryBar:
      return FormatMemoryBar(platform, out);
    case Probe::VideoCard:
      return FormatVideoCard(platform, out);
    case Probe::OperatingSystem:
      return FormatOperatingSystem(platform, out);
    case Probe::Processor:
      return FormatProcessor(platform, out);
  }
  return false;
}

}  // namespace

int32_t ParseTag(PlatformCalls& platform, const char* tag, char* result) {
  if (tag == nullptr || result == nullptr) return 0;
  const KeywordRow* row = FindKeyword(tag);
  if (row == nullptr) return 0;
  char* out = row->placement == Placement::Appended ? result + std::strlen(result) : result;
  return FormatAnswer(platform, *row, out) ? 1 : 0;
}

}  // namespace ostrakin
