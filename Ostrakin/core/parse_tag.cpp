#include "parse_tag.h"

#include <cstring>

#include "disk_answer.h"
#include "identity_answers.h"
#include "keyword_table.h"
#include "memory_answers.h"

namespace ostrakin {
namespace {

bool WriteAnswer(SystemFacts& facts, const KeywordRow& row, char* out) {
  switch (row.answer) {
    case Answer::DiskSpace:
      FormatDiskSpace(facts, row.driveLetter, out);
      return true;
    case Answer::MemoryFigures:
      WriteMemoryFigures(facts, out);
      return true;
    case Answer::MemoryBar:
      WriteMemoryBar(facts, out);
      return true;
    case Answer::VideoCard:
      return WriteVideoCard(facts, out);
    case Answer::OperatingSystem:
      WriteOperatingSystem(facts, out);
      return true;
    case Answer::Processor:
      WriteProcessor(facts, out);
      return true;
  }
  return false;
}

}  // namespace

int32_t AnswerTag(SystemFacts& facts, const char* tag, char* result) {
  if (tag == nullptr || result == nullptr) return 0;
  const KeywordRow* row = FindKeyword(tag);
  if (row == nullptr) return 0;
  char* out = row->placement == Placement::Appended ? result + std::strlen(result) : result;
  return WriteAnswer(facts, *row, out) ? 1 : 0;
}

}  // namespace ostrakin
