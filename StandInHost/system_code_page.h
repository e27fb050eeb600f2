// Text between the person at the terminal (UTF-8) and the plug-in (narrow text in the system code
// page, which is what a chat host hands a plug-in).
#pragma once

#include <string>

namespace standin {

// Characters the system code page lacks become '?', as in a narrow-text host.
std::string Utf8ToSystemCodePage(const std::string& utf8);
std::wstring SystemCodePageToWide(const std::string& narrow);
std::string SystemCodePageToUtf8(const std::string& narrow);

}  // namespace standin
