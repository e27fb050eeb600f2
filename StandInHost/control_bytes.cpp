#include "control_bytes.h"

namespace standin {

std::vector<StyledRun> SplitAtControlBytes(const std::string& text) {
  std::vector<StyledRun> runs;
  bool bold = false;
  size_t start = 0;
  for (size_t at = 0; at <= text.size(); ++at) {
    if (at < text.size() && text[at] != '\x02') continue;
    if (at > start) runs.push_back({text.substr(start, at - start), bold});
    bold = !bold;
    start = at + 1;
  }
  return runs;
}

std::string DropControlBytes(const std::string& text) {
  std::string dropped;
  for (const StyledRun& run : SplitAtControlBytes(text))
    dropped += run.text;
  return dropped;
}

}  // namespace standin
