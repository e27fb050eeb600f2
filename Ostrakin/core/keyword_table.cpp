#include "core/keyword_table.h"

#include "core/keyword_index.h"

namespace ostrakin {
namespace {

constexpr KeywordIndex kIndex(kKeywordTable);
// A near miss costs about as little as a hit only while the hash keeps the keywords apart.
static_assert(kIndex.LongestRun() <= 8,
              "a tag's lookup would compare it with more than 8 keywords: the hash "
              "(KeywordIndex::Mix and Slot) spreads these keywords badly, and near misses would "
              "cost several times more");

static_assert(EveryKeywordIsATagAHostHandsOver(kKeywordTable),
              "a keyword reads \"(!\", then no parenthesis, then \")\": a host hands a plug-in "
              "nothing else, so a keyword of another shape would never be asked for");

}  // namespace

const KeywordRow* FindKeyword(const char* tag) {
  return kIndex.Find(tag);
}

}  // namespace ostrakin
