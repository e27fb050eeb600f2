// Writes the host's text to standard output, with 0x02 rendered for where the output goes.
#pragma once

#include <string>

namespace standin {

class HostOutput {
 public:
  // Bold on a console, dropped into a pipe or file, or the exact bytes when `raw`.
  explicit HostOutput(bool raw);
  void Write(const std::string& text) const;
  void Line(const std::string& text) const { Write(text + "\n"); }

 private:
  enum class Mode { Console, Drop, Raw };
  Mode mode_;
};

}  // namespace standin
