#include "control_bytes.h"

namespace standin {

std::string RenderControlBytes(const std::string& text, ControlBytes mode) {
  if (mode == ControlBytes::Raw) return text;
  std::string rendered;
  bool bold = false;
  for (char c : text) {
    if (c != '\x02') {
      rendered += c;
    } else if (mode == ControlBytes::Bold) {
      rendered += bold ? "\x1b[22m" : "\x1b[1m";
      bold = !bold;
    }
  }
  if (bold) rendered += "\x1b[22m";
  return rendered;
}

}  // namespace standin
