// Finds the row of a tag in a keyword table, built by the compiler from any table: a host offers
// every tag a user writes to every plug-in it holds, so most tags are another plug-in's or near
// misses, and each must cost about as little as a hit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/keyword_table.h"
#include "core/text/ascii.h"

namespace ostrakin {

// A tag is turned away after the bytes every keyword begins with when it lacks them; otherwise
// the rest of it, A-Z folded, is hashed once into a table of slots at most a quarter full, and
// compared only with the rows whose slots its hash leads to.
template <size_t Count>
class KeywordIndex {
 public:
  constexpr explicit KeywordIndex(const KeywordRow (&rows)[Count]) : rows_(rows) {
    prefix_ = rows[0].length;
    for (const KeywordRow& row : rows) {
      size_t same = 0;
      while (same < prefix_ && EqualIgnoringAsciiCase(row.text[same], rows[0].text[same]))
        ++same;
      prefix_ = same;
      longest_ = row.length > longest_ ? row.length : longest_;
    }
    // In table order, so that of two equal keywords the first is met first.
    for (size_t row = 0; row < Count; ++row) {
      uint32_t hash = 0;
      for (size_t i = prefix_; i < rows[row].length; ++i)
        hash = Mix(hash, rows[row].text[i]);
      size_t slot = Slot(hash);
      while (slots_[slot] != 0)
        slot = (slot + 1) & kMask;
      slots_[slot] = static_cast<SlotValue>(row + 1);
    }
  }

  // The first row whose keyword equals the whole tag, ignoring the case of A-Z (and nothing
  // else); null when none does. The tag is read no further than one byte past the longest
  // keyword.
  const KeywordRow* Find(const char* tag) const {
    for (size_t i = 0; i < prefix_; ++i) {
      if (!EqualIgnoringAsciiCase(tag[i], rows_[0].text[i])) return nullptr;
    }
    uint32_t hash = 0;
    size_t length = prefix_;
    while (length <= longest_ && tag[length] != '\0')
      hash = Mix(hash, tag[length++]);
    if (length > longest_) return nullptr;
    for (size_t slot = Slot(hash); slots_[slot] != 0; slot = (slot + 1) & kMask) {
      const KeywordRow& row = rows_[slots_[slot] - 1];
      if (row.length != length) continue;
      size_t i = prefix_;
      while (i < length && EqualIgnoringAsciiCase(tag[i], row.text[i]))
        ++i;
      if (i == length) return &row;
    }
    return nullptr;
  }

  // The most rows a tag's lookup can compare with: the longest run of filled slots, which a hash
  // that spreads the keywords apart keeps short.
  constexpr size_t LongestRun() const {
    size_t longest = 0;
    for (size_t start = 0; start <= kMask; ++start) {
      size_t run = 0;
      while (run <= kMask && slots_[(start + run) & kMask] != 0)
        ++run;
      longest = run > longest ? run : longest;
    }
    return longest;
  }

 private:
  // Four times the rows or more, a power of two (2 to the power SlotBits()): a near miss then
  // mostly meets an empty slot.
  static constexpr unsigned SlotBits() {
    unsigned bits = 1;
    while ((size_t{1} << bits) < 4 * Count)
      ++bits;
    return bits;
  }
  static constexpr size_t kMask = (size_t{1} << SlotBits()) - 1;
  // A row's number plus one, in the fewest bytes that hold every row's.
  using SlotValue = std::conditional_t<(Count < 0xFF), uint8_t,
                                       std::conditional_t<(Count < 0xFFFF), uint16_t, uint32_t>>;

  // The bytes after the common beginning, A-Z folded, mixed one by one; the slot is the top bits
  // of their product with 2^32 divided by the golden ratio, which spreads close values apart.
  static constexpr uint32_t Mix(uint32_t hash, char c) {
    return hash * 31 + static_cast<unsigned char>(FoldAsciiCase(c));
  }
  static constexpr size_t Slot(uint32_t hash) { return (hash * 2654435769u) >> (32 - SlotBits()); }

  const KeywordRow* rows_;
  size_t prefix_ = 0;
  size_t longest_ = 0;
  SlotValue slots_[kMask + 1] = {};  // 0: an empty slot
};

}  // namespace ostrakin
