#include "tag_expansion.h"

namespace standin {

std::string ExpandTags(const std::string& message, const TagAnswerer& answer,
                       std::vector<std::string>* unanswered) {
  std::vector<std::string> ignored;
  std::vector<std::string>& left = unanswered != nullptr ? *unanswered : ignored;
  std::string expanded;
  size_t copied = 0;
  size_t start = message.find("(!");
  while (start != std::string::npos) {
    const size_t end = message.find_first_of("()", start + 2);
    if (end == std::string::npos || message[end] == '(') {
      left.push_back(message.substr(start, message.find_first_of(" \t(", start + 2) - start));
      if (end == std::string::npos) break;
      start = message.find("(!", end);
      continue;
    }
    const std::string tag = message.substr(start, end + 1 - start);
    std::string text;
    if (answer(tag, &text)) {
      expanded.append(message, copied, start - copied);
      expanded += text;
      copied = end + 1;
    } else {
      left.push_back(tag);
    }
    start = message.find("(!", end + 1);
  }
  expanded.append(message, copied, std::string::npos);
  return expanded;
}

}  // namespace standin
