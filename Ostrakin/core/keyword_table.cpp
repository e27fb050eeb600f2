#include "core/keyword_table.h"

#include <cstring>

#include "core/text/ascii.h"

namespace ostrakin {
namespace {

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

// A host offers every tag a user writes to every plug-in it has loaded, so most calls are misses
// and a miss must be cheap. A keyword is picked out by its length and the letter before its
// closing parenthesis (the drive letter of a disk keyword, the last letter of the topic
// otherwise). That narrows a tag to one candidate row after reading only the tag's length, so a
// miss costs a few bytes, not 31 comparisons.
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

// Comparison eight bytes at a time: a keyword is at least eight bytes long, so its first and
// its last eight bytes cover it. Both words of every keyword are folded in advance; only the
// tag's are folded at run time.
static_assert(kShortest >= 8, "a keyword must cover two words");
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "words are built in little-endian order");

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = kOnes * 0x80;

constexpr uint64_t FoldedWord(const char* text) {
  uint64_t word = 0;
  for (int i = 0; i < 8; ++i)
    word |= uint64_t(uint8_t(FoldAsciiCase(text[i]))) << (8 * i);
  return word;
}

struct FoldedKeyword {
  uint64_t head;
  uint64_t tail;
};

constexpr struct FoldedKeywords {
  FoldedKeyword row[kKeywordCount];
} kFolded = [] {
  FoldedKeywords folded{};
  for (int i = 0; i < kKeywordCount; ++i) {
    const char* text = kKeywordTable[i].text;
    folded.row[i] = {FoldedWord(text), FoldedWord(text + ConstLength(text) - 8)};
  }
  return folded;
}();

// Folds A-Z onto a-z in all eight bytes at once, and nothing else: a byte is upper case when
// its low seven bits lie between 'A' and 'Z' and its top bit is clear.
uint64_t FoldWord(uint64_t word) {
  const uint64_t low7 = word & ~kHighBits;
  const uint64_t atLeastA = low7 + kOnes * (0x80 - 'A');
  const uint64_t aboveZ = low7 + kOnes * (0x80 - 'Z' - 1);
  const uint64_t upper = atLeastA & ~aboveZ & ~word & kHighBits;
  return word | (upper >> 2);
}

uint64_t LoadWord(const char* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

}  // namespace

const KeywordRow* FindKeyword(const char* tag) {
  const size_t length = BoundedLength(tag, kLongest + 1);
  if (length < kShortest || length > kLongest) return nullptr;
  const int key = KeyLetter(tag[length - 2]);
  if (key < 0) return nullptr;
  const int candidate = kCandidates.row[length - kShortest][key];
  if (candidate < 0) return nullptr;
  const FoldedKeyword& folded = kFolded.row[candidate];
  const bool equal =
      FoldWord(LoadWord(tag)) == folded.head && FoldWord(LoadWord(tag + length - 8)) == folded.tail;
  return equal ? &kKeywordTable[candidate] : nullptr;
}

}  // namespace ostrakin
