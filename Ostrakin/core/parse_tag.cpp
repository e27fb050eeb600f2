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
      FormatDiskSpace(platform, row.driveLetter, out);
      return true;
    case Probe::MemoryFigures:
      FormatMemoryFigures(platform, out);
      return true;
    case Probe::MemoryBar:
      FormatMemoryBar(platform, out);
      return true;
    case Probe::VideoCard:
      return FormatVideoCard(platform, out);
    case Probe::OperatingSystem:
      FormatOperatingSystem(platform, out);
      return true;
    case Probe::Processor:
      FormatProcessor(platform, out);
      return true;
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
