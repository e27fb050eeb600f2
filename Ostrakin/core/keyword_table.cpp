#include "core/keyword_table.h"

#include "core/keyword_index.h"

namespace ostrakin {
namespace {

constexpr KeywordIndex kIndex(kKeywordTable);

}  // namespace

const KeywordRow* FindKeyword(const char* tag) {
  return kIndex.Find(tag);
}

}  // namespace ostrakin
