#include "windows_error.h"

namespace standin {

std::string DescribeWindowsError(DWORD code) {
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, sizeof text, nullptr);
  std::string words(text, length);
  while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' ' ||
                            words.back() == '.')) {
    words.pop_back();
  }
  const std::string number = "error " + std::to_string(code);
  return words.empty() ? number : words + " (" + number + ")";
}

}  // namespace standin
