// Writes the host's text to standard output, with 0x02 rendered for where the output goes.
#pragma once

#include <string>

namespace standin {

class HostOutput {
 public:
  // Text in the system code page, as the plug-in writes it. On a console 0x02 is bold; into a
  // pipe or file the text goes as UTF-8 without it; `raw` writes the exact bytes.
  explicit HostOutput(bool raw);
  void Write(const std::string& text) const;
  void Line(const std::string& text) const { Write(text + "\n"); }

 private:
  enum class Mode { Console, Drop, Raw };
  Mode mode_;
};

}  // namespace standin
