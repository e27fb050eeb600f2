// Writes the host's text to standard output, with 0x02 rendered for where the output goes.
#pragma once

#include <string>

#include "control_bytes.h"

namespace standin {

class HostOutput {
 public:
  // Bold on a terminal, dropped elsewhere, or exact bytes when `raw`.
  explicit HostOutput(bool raw);
  void Write(const std::string& text) const;
  void Line(const std::string& text) const { Write(text + "\n"); }

 private:
  ControlBytes mode_;
};

}  // namespace standin
