// The answers carry the control byte 0x02, which this host reads as "toggle bold".
#pragma once

#include <string>

namespace standin {

enum class ControlBytes {
  Bold,  // on a terminal: each 0x02 toggles bold (ANSI), and bold never outlives the text
  Drop,  // into a pipe or file: 0x02 is removed
  Raw,   // the exact bytes
};

std::string RenderControlBytes(const std::string& text, ControlBytes mode);

}  // namespace standin
