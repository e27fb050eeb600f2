// Writes the host's text to standard output (or error), with 0x02 rendered for where it goes.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace standin {

class HostOutput {
 public:
  enum class Stream { Output, Error };

  // Text in the system code page, as the plug-in writes it. On a console 0x02 is bold; into a
  // pipe or file the text goes as UTF-8 without it; `raw` writes the exact bytes.
  explicit HostOutput(bool raw, Stream stream = Stream::Output);
  void Write(const std::string& text) const;
  void Line(const std::string& text) const { Write(text + "\n"); }

 private:
  enum class Mode { Console, Drop, Raw };
  Mode mode_;
  DWORD handle_;  // STD_OUTPUT_HANDLE or STD_ERROR_HANDLE
  FILE* file_;
};

}  // namespace standin
