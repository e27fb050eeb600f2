#include "core/parse_tag.h"

#include <cstring>

#include "core/keyword_table.h"

namespace ostrakin {

int32_t ParseTag(PlatformCalls& platform, const char* tag, char* result) {
  if (tag == nullptr || result == nullptr) return 0;
  const KeywordRow* row = FindKeyword(tag);
  if (row == nullptr) return 0;
  char* out = row->placement == Placement::Appended ? result + std::strlen(result) : result;
  return row->answer(platform, row->argument, out) ? 1 : 0;
}

}  // namespace ostrakin
