#include "host_output.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "control_bytes.h"
#include "system_code_page.h"

namespace standin {
namespace {

// Bold is the console's own bright attribute: a Windows console shows escape sequences as text
// unless told otherwise.
void WriteToConsole(HANDLE console, const std::string& text) {
  CONSOLE_SCREEN_BUFFER_INFO info = {};
  GetConsoleScreenBufferInfo(console, &info);
  const WORD normal = info.wAttributes;
  for (const StyledRun& run : SplitAtControlBytes(text)) {
    SetConsoleTextAttribute(console, run.bold ? WORD(normal | FOREGROUND_INTENSITY) : normal);
    const std::wstring wide = SystemCodePageToWide(run.text);
    DWORD written = 0;
    WriteConsoleW(console, wide.data(), DWORD(wide.size()), &written, nullptr);
  }
  SetConsoleTextAttribute(console, normal);
}

void WriteBytes(const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

}  // namespace

HostOutput::HostOutput(bool raw) {
  // Exact bytes: no "\n" to "\r\n" translation on the way out.
  _setmode(_fileno(stdout), _O_BINARY);
  DWORD consoleMode = 0;
  const bool console = GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &consoleMode) != 0;
  mode_ = raw ? Mode::Raw : (console ? Mode::Console : Mode::Drop);
}

void HostOutput::Write(const std::string& text) const {
  switch (mode_) {
    case Mode::Console:
      WriteToConsole(GetStdHandle(STD_OUTPUT_HANDLE), text);
      return;
    case Mode::Drop:
      WriteBytes(SystemCodePageToUtf8(DropControlBytes(text)));
      return;
    case Mode::Raw:
      WriteBytes(text);
      return;
  }
}

}  // namespace standin
