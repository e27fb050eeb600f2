#include "catalogue_keywords.h"

#include <algorithm>

namespace standin {

std::vector<std::string> KeywordsFromCatalogue(const TagCatalogue& tags) {
  std::vector<std::string> keywords;
  const int count = std::clamp(int(tags.count), 0, int(OSTRAKIN_CATALOGUE_SLOTS));
  for (int slot = 0; slot < count; ++slot) {
    const char* text = tags.tagTexts[slot];
    const std::string tag(text, std::find(text, text + OSTRAKIN_CATALOGUE_TEXT_SIZE, '\0'));
    const size_t star = tag.find('*');
    if (star == std::string::npos) {
      keywords.push_back(tag);
      continue;
    }
    const size_t close = tag.find(')', star);
    const std::string keyword = close == std::string::npos ? tag : tag.substr(0, close + 1);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      std::string filled = keyword;
      filled[star] = letter;
      keywords.push_back(filled);
    }
  }
  return keywords;
}

}  // namespace standin
