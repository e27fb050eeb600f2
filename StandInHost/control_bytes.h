// The answers carry the control byte 0x02, which this host reads as "toggle bold".
#pragma once

#include <string>
#include <vector>

namespace standin {

struct StyledRun {
  std::string text;
  bool bold;
};

// The text between control bytes, each 0x02 toggling bold, starting plain. Empty runs are left
// out, so an unmatched 0x02 at the end leaves nothing bold behind.
std::vector<StyledRun> SplitAtControlBytes(const std::string& text);

// The text without its control bytes, for a pipe or a file.
std::string DropControlBytes(const std::string& text);

}  // namespace standin
