#include "system_code_page.h"

#include <windows.h>

namespace standin {
namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
  if (text.empty()) return std::wstring();
  const int length = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), &wide[0], length);
  return wide;
}

std::string FromWide(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return std::string();
  // A character the code page lacks becomes '?', never a look-alike: Windows' best fit would
  // turn a full-width "(!" into ASCII, and so into a tag. UTF-8 lacks nothing and takes neither
  // the flag nor a default character (the system code page itself may be UTF-8).
  const bool utf8 = (codePage == CP_ACP ? GetACP() : codePage) == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* fallback = utf8 ? nullptr : "?";
  const int length = WideCharToMultiByte(codePage, flags, wide.data(), int(wide.size()), nullptr, 0,
                                         fallback, nullptr);
  std::string text(size_t(length), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), int(wide.size()), &text[0], length, fallback,
                      nullptr);
  return text;
}

}  // namespace

std::string Utf8ToSystemCodePage(const std::string& utf8) {
  return FromWide(CP_ACP, ToWide(CP_UTF8, utf8));
}

std::wstring SystemCodePageToWide(const std::string& narrow) {
  return ToWide(CP_ACP, narrow);
}

std::string SystemCodePageToUtf8(const std::string& narrow) {
  return FromWide(CP_UTF8, ToWide(CP_ACP, narrow));
}

}  // namespace standin
