#include "core/keyword_table.h"

#include <cstring>
#include <type_traits>
#include <utility>

#include "core/text/ascii.h"

namespace ostrakin {
namespace {

struct LengthRange {
  size_t shortest, longest;
};
constexpr LengthRange KeywordLengths() {
  LengthRange range{ConstLength(kKeywordTable[0].text), 0};
  for (const KeywordRow& row : kKeywordTable) {
    range.shortest =
        ConstLength(row.text) < range.shortest ? ConstLength(row.text) : range.shortest;
    range.longest = ConstLength(row.text) > range.longest ? ConstLength(row.text) : range.longest;
  }
  return range;
}
constexpr size_t kShortest = KeywordLengths().shortest;
constexpr size_t kLongest = KeywordLengths().longest;
constexpr size_t kLengthCount = kLongest - kShortest + 1;

// A host offers every tag a user writes to every plug-in it has loaded, so most calls are misses
// and a miss must be cheap. Among the keywords of one length, one position holds a character of
// its own in each (the drive letter of the disk keywords, a letter of the topic otherwise): the
// tag's length and its character there narrow it to one candidate row, after reading a few bytes.
constexpr uint8_t KeyByte(char c) {
  return uint8_t(FoldAsciiCase(c));
}

// The last position that sets the keywords of `length` apart; where none does, the one that
// leaves the fewest pairs together, with the first such pair.
struct KeyChoice {
  size_t position = 0;
  int together = -1, first = 0, second = 0;
};
constexpr KeyChoice ChooseKey(size_t length) {
  KeyChoice best;
  for (size_t position = length; position-- > 0 && best.together != 0;) {
    KeyChoice choice{position, 0};
    for (int i = 0; i < kKeywordCount; ++i) {
      for (int j = 0; j < i; ++j) {
        const char *a = kKeywordTable[j].text, *b = kKeywordTable[i].text;
        if (ConstLength(a) != length || ConstLength(b) != length ||
            KeyByte(a[position]) != KeyByte(b[position]))
          continue;
        if (choice.together++ == 0) choice.first = j, choice.second = i;
      }
    }
    if (best.together < 0 || choice.together < best.together) best = choice;
  }
  return best;
}

struct CandidateIndex {
  uint8_t position[kLengthCount];
  int8_t row[kLengthCount][256];  // by the folded character there; -1: no keyword
  KeyChoice unkeyed;              // a length no position sets apart, if any
};

constexpr CandidateIndex BuildCandidateIndex() {
  CandidateIndex index{};
  for (size_t length = kShortest; length <= kLongest; ++length) {
    const KeyChoice key = ChooseKey(length);
    if (key.together != 0 && index.unkeyed.together <= 0) index.unkeyed = key;
    index.position[length - kShortest] = uint8_t(key.position);
    for (auto& slot : index.row[length - kShortest])
      slot = -1;
  }
  for (int i = 0; i < kKeywordCount; ++i) {
    const size_t length = ConstLength(kKeywordTable[i].text);
    const uint8_t key = KeyByte(kKeywordTable[i].text[index.position[length - kShortest]]);
    index.row[length - kShortest][key] = int8_t(i);
  }
  return index;
}
constexpr CandidateIndex kCandidates = BuildCandidateIndex();

// Where no position sets the keywords of one length apart, the index would hide a row: the build
// stops, naming two of them (spelled out as the template arguments of Keyword).
template <char... Text>
struct Keyword {};
template <int Row, size_t... I>
Keyword<kKeywordTable[Row].text[I]...> Spelled(std::index_sequence<I...>);
template <int Row>
using KeywordAt =
    decltype(Spelled<Row>(std::make_index_sequence<ConstLength(kKeywordTable[Row].text)>()));
template <bool Unkeyed, typename First, typename Second>
struct EveryLengthIsKeyed : std::true_type {};
template <typename First, typename Second>
struct EveryLengthIsKeyed<true, First, Second> : std::false_type {
  static_assert(sizeof(First) == 0,
                "these two keywords have one length, and no position sets all keywords of that "
                "length apart: change a character of one of them where the others of that length "
                "differ from each other (any one position will do)");
};
static_assert(
    EveryLengthIsKeyed<(kCandidates.unkeyed.together > 0), KeywordAt<kCandidates.unkeyed.first>,
                       KeywordAt<kCandidates.unkeyed.second>>::value);
static_assert(kKeywordCount <= 127, "the index holds row numbers as int8_t");

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
  const uint8_t key = KeyByte(tag[kCandidates.position[length - kShortest]]);
  const int candidate = kCandidates.row[length - kShortest][key];
  if (candidate < 0) return nullptr;
  const FoldedKeyword& folded = kFolded.row[candidate];
  const bool equal =
      FoldWord(LoadWord(tag)) == folded.head && FoldWord(LoadWord(tag + length - 8)) == folded.tail;
  return equal ? &kKeywordTable[candidate] : nullptr;
}

}  // namespace ostrakin
