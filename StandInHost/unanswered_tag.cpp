#include "unanswered_tag.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace standin {
namespace {

char Folded(char c) {
  return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool Matches(char typed, char keyword) {
  if (keyword == '*') return (typed >= 'A' && typed <= 'Z') || (typed >= 'a' && typed <= 'z');
  return Folded(typed) == Folded(keyword);
}

// Levenshtein distance, letter case aside; a "*" in the keyword stands for any drive letter.
size_t EditDistance(const std::string& typed, const std::string& keyword) {
  std::vector<size_t> row(keyword.size() + 1);
  for (size_t j = 0; j <= keyword.size(); ++j)
    row[j] = j;
  for (size_t i = 1; i <= typed.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= keyword.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min(
          {above + 1, row[j - 1] + 1, diagonal + (Matches(typed[i - 1], keyword[j - 1]) ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[keyword.size()];
}

// A typo or two: one or two letters left out, added or changed, or two letters swapped. A tag
// further from every keyword is another word, or another plug-in's tag, more likely than a slip,
// and a suggestion would only mislead.
constexpr size_t kNearEnough = 2;

}  // namespace

std::string DescribeUnansweredTag(const std::string& tag, const TagCatalogue& tags) {
  std::string nearest;
  size_t best = 0;
  for (int slot = 0; slot < tags.count && slot < OSTRAKIN_CATALOGUE_SLOTS; ++slot) {
    const char* text = tags.tagTexts[slot];
    std::string keyword(text, strnlen(text, OSTRAKIN_CATALOGUE_TEXT_SIZE));
    const size_t close = keyword.find(')');  // a template's hint follows its ")"
    if (close != std::string::npos) keyword.resize(close + 1);
    const size_t star = keyword.find('*');
    if (star != std::string::npos && tag.size() == keyword.size() &&
        std::equal(tag.begin(), tag.end(), keyword.begin(),
                   [](char t, char k) { return Folded(t) == Folded(k); }))
      return tag + " is the catalogue's pattern for keywords: write a drive letter for the *";
    const size_t distance = EditDistance(tag, keyword);
    if (!nearest.empty() && distance >= best) continue;
    best = distance;
    nearest = keyword;
    // A template: the drive letter typed where its "*" stands, when that is as near.
    if (star != std::string::npos && star < tag.size() && Matches(tag[star], '*')) {
      std::string filled = keyword;
      filled[star] = char(Folded(tag[star]) - 'a' + 'A');
      if (EditDistance(tag, filled) == distance) nearest = filled;
    }
  }
  if (nearest.empty()) return tag + " was not answered; the plug-in published no keywords";
  if (best == 0) return tag + " is one of the plug-in's keywords, but it gave no answer here";
  if (best > kNearEnough) return tag + " is not one of the plug-in's keywords";
  return tag + " is not one of the plug-in's keywords; nearest: " + nearest;
}

}  // namespace standin
