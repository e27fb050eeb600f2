#include "core/keyword_table.h"

#include "core/text/ascii.h"

namespace ostrakin {
namespace {

// What every keyword of the table begins with, worked out from the table so that it constrains
// no keyword: "(!Vusk" today.
constexpr size_t CommonPrefixLength() {
  size_t length = ConstLength(kKeywordTable[0].text);
  for (const KeywordRow& row : kKeywordTable) {
    size_t same = 0;
    while (same < length &&
           FoldAsciiCase(row.text[same]) == FoldAsciiCase(kKeywordTable[0].text[same]))
      ++same;
    length = same;
  }
  return length;
}
constexpr size_t kCommonPrefixLength = CommonPrefixLength();

constexpr size_t LongestIn(const KeywordRow* rows, size_t count) {
  size_t longest = 0;
  for (size_t row = 0; row < count; ++row)
    longest = rows[row].length > longest ? rows[row].length : longest;
  return longest;
}

// Among the rows as long as the tag, the first whose keyword equals it from byte `from` on. The
// tag is read no further than one byte past the longest keyword.
const KeywordRow* FindFrom(const KeywordRow* rows, size_t count, size_t longest, const char* tag,
                           size_t from) {
  const size_t length = BoundedLength(tag, longest + 1);
  for (size_t row = 0; row < count; ++row) {
    if (rows[row].length != length) continue;
    size_t i = from;
    while (i < length && FoldAsciiCase(tag[i]) == FoldAsciiCase(rows[row].text[i]))
      ++i;
    if (i == length) return &rows[row];
  }
  return nullptr;
}

}  // namespace

const KeywordRow* FindKeywordIn(const KeywordRow* rows, size_t count, const char* tag) {
  return FindFrom(rows, count, LongestIn(rows, count), tag, 0);
}

// A host offers every tag a user writes to every plug-in it holds, so most tags are another
// plug-in's: those are turned away after the few bytes every keyword begins with, and the rest
// are compared from there on, with the keywords of their length.
const KeywordRow* FindKeyword(const char* tag) {
  for (size_t i = 0; i < kCommonPrefixLength; ++i) {
    if (FoldAsciiCase(tag[i]) != FoldAsciiCase(kKeywordTable[0].text[i])) return nullptr;
  }
  constexpr size_t kLongest = LongestIn(kKeywordTable, kKeywordCount);
  return FindFrom(kKeywordTable, kKeywordCount, kLongest, tag, kCommonPrefixLength);
}

}  // namespace ostrakin
