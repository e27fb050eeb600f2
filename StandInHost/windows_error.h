// A Windows error code as a person reads it.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

// The system's own words for the code and the number, such as "The specified module could not
// be found (error 126)"; the number alone when the system has no text for it. Where the words
// name what the error is about ("%1 is not a valid Win32 application"), `subject` stands there.
std::string DescribeWindowsError(DWORD code, const std::string& subject = "it");

}  // namespace standin
