#include "windows_error.h"

namespace standin {

std::string DescribeWindowsError(DWORD code, const std::string& subject) {
  char text[512] = {};
  // Inserts are left as written ("%1") and filled here: a text may name more of them than any
  // argument list a caller could know to supply.
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, sizeof text, nullptr);
  std::string words;
  for (DWORD at = 0; at < length; ++at) {
    if (text[at] == '%' && at + 1 < length && text[at + 1] >= '1' && text[at + 1] <= '9') {
      words += subject;
      while (at + 1 < length && text[at + 1] >= '0' && text[at + 1] <= '9')
        ++at;
    } else {
      words += text[at];
    }
  }
  while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' ' ||
                            words.back() == '.')) {
    words.pop_back();
  }
  const std::string number = "error " + std::to_string(code);
  return words.empty() ? number : words + " (" + number + ")";
}

}  // namespace standin
