// A line typed into the listening host that asks the plug-in for a toast:
//   /toast FIRST SECOND THIRD [FLAG]    calls DisplayToast
//   /toastw FIRST SECOND THIRD [FLAG]   calls DisplayToastW
// The numbers are 32-bit, decimal or 0x-hexadecimal; FLAG is a byte (0 to 255), 0 if left out.
#pragma once

#include <cstdint>
#include <string>

namespace standin {

constexpr char kToastCommandUsage[] =
    "usage: /toast FIRST SECOND THIRD [FLAG], or /toastw for DisplayToastW; numbers such as 7 or "
    "0x1F, FLAG from 0 to 255";

struct ToastCommand {
  bool wide = false;
  uint32_t first = 0, second = 0, third = 0;
  unsigned char flag = 0;
};

enum class ToastCommandParse { NotACommand, Invalid, Valid };

// NotACommand for any line that does not start with the word /toast or /toastw.
ToastCommandParse ParseToastCommand(const std::string& line, ToastCommand* command);

}  // namespace standin
