// Builds expected answers in the notation that documents them: "\x02" is written as "^".
#pragma once

#include <string>

namespace ostrakin::testing {

inline std::string Framed(std::string caretText) {
  for (char& c : caretText) {
    if (c == '^') c = '\x02';
  }
  return caretText;
}

// The visible form of an answer, for failure messages: 0x02 shown as "^".
inline std::string Visible(std::string text) {
  for (char& c : text) {
    if (c == '\x02') c = '^';
  }
  return text;
}

}  // namespace ostrakin::testing
