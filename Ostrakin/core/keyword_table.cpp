#include "keyword_table.h"

#include "ascii.h"

namespace ostrakin {
namespace {

constexpr size_t ConstLength(const char* text) {
  size_t length = 0;
  while (text[length] != '\0')
    ++length;
  return length;
}

constexpr size_t ShortestKeyword() {
  size_t shortest = ConstLength(kKeywordTable[0].text);
  for (const KeywordRow& row : kKeywordTable) {
    if (ConstLength(row.text) < shortest) shortest = ConstLength(row.text);
  }
  return shortest;
}

constexpr size_t LongestKeyword() {
  size_t longest = 0;
  for (const KeywordRow& row : kKeywordTable) {
    if (ConstLength(row.text) > longest) longest = ConstLength(row.text);
  }
  return longest;
}

constexpr size_t kShortest = ShortestKeyword();
constexpr size_t kLongest = LongestKeyword();
constexpr size_t kLengthCount = kLongest - kShortest + 1;

// A keyword is picked out by its length and the letter before its closing parenthesis (the drive
// letter of a disk keyword, the last letter of the topic otherwise). That narrows a tag to one
// candidate row after reading only the tag's length, so a miss costs a few bytes, not 31
// comparisons.
constexpr int KeyLetter(char c) {
  const char folded = FoldAsciiCase(c);
  return (folded >= 'a' && folded <= 'z') ? folded - 'a' : -1;
}

struct CandidateIndex {
  int8_t row[kLengthCount][26];
};

constexpr CandidateIndex BuildCandidateIndex() {
  CandidateIndex index{};
  for (auto& byLength : index.row) {
    for (auto& slot : byLength)
      slot = -1;
  }
  for (int i = 0; i < kKeywordCount; ++i) {
    const size_t length = ConstLength(kKeywordTable[i].text);
    index.row[length - kShortest][KeyLetter(kKeywordTable[i].text[length - 2])] = int8_t(i);
  }
  return index;
}

// Every row must own its key; otherwise the index would hide a row that a sequential scan in
// table order could match.
constexpr bool EveryRowOwnsItsKey() {
  for (int i = 0; i < kKeywordCount; ++i) {
    const size_t length = ConstLength(kKeywordTable[i].text);
    if (KeyLetter(kKeywordTable[i].text[length - 2]) < 0) return false;
    for (int j = 0; j < i; ++j) {
      const size_t otherLength = ConstLength(kKeywordTable[j].text);
      if (otherLength == length && KeyLetter(kKeywordTable[j].text[length - 2]) ==
                                       KeyLetter(kKeywordTable[i].text[length - 2])) {
        return false;
      }
    }
  }
  return true;
}
static_assert(EveryRowOwnsItsKey(), "two keywords share a length and key letter");

constexpr CandidateIndex kCandidates = BuildCandidateIndex();

bool EqualIgnoringAsciiCase(const char* a, const char* b, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i])) return false;
  }
  return true;
}

}  // namespace

const KeywordRow* FindKeyword(const char* tag) {
  const size_t length = BoundedLength(tag, kLongest + 1);
  if (length < kShortest || length > kLongest) return nullptr;
  const int key = KeyLetter(tag[length - 2]);
  if (key < 0) return nullptr;
  const int candidate = kCandidates.row[length - kShortest][key];
  if (candidate < 0) return nullptr;
  const KeywordRow& row = kKeywordTable[candidate];
  return EqualIgnoringAsciiCase(tag, row.text, length) ? &row : nullptr;
}

}  // namespace ostrakin
