#include "host_output.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "control_bytes.h"
#include "system_code_page.h"

namespace standin {
namespace {

// Older consoles fail a write larger than their 64 KB shared buffer, and any console may take
// less than it is given: pieces of about 8,192 characters (never splitting a surrogate pair),
// each written until all of it is taken.
void WriteWide(HANDLE console, const std::wstring& wide) {
  constexpr size_t kPiece = 8192;
  for (size_t at = 0; at < wide.size();) {
    DWORD piece = DWORD(std::min(kPiece, wide.size() - at));
    if (piece > 1 && wide[at + piece - 1] >= 0xD800 && wide[at + piece - 1] <= 0xDBFF) --piece;
    DWORD written = 0;
    if (!WriteConsoleW(console, wide.data() + at, piece, &written, nullptr) || written == 0) return;
    at += written;
  }
}

// Bold is the console's own bright attribute: a Windows console shows escape sequences as text
// unless told otherwise.
void WriteToConsole(HANDLE console, const std::string& text) {
  CONSOLE_SCREEN_BUFFER_INFO info = {};
  GetConsoleScreenBufferInfo(console, &info);
  const WORD normal = info.wAttributes;
  for (const StyledRun& run : SplitAtControlBytes(text)) {
    SetConsoleTextAttribute(console, run.bold ? WORD(normal | FOREGROUND_INTENSITY) : normal);
    WriteWide(console, SystemCodePageToWide(run.text));
  }
  SetConsoleTextAttribute(console, normal);
}

void WriteBytes(FILE* file, const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fflush(file);
}

}  // namespace

HostOutput::HostOutput(bool raw, Stream stream)
    : handle_(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE),
      file_(stream == Stream::Output ? stdout : stderr) {
  // Exact bytes: no "\n" to "\r\n" translation on the way out.
  _setmode(_fileno(file_), _O_BINARY);
  DWORD consoleMode = 0;
  const bool console = GetConsoleMode(GetStdHandle(handle_), &consoleMode) != 0;
  mode_ = raw ? Mode::Raw : (console ? Mode::Console : Mode::Drop);
}

void HostOutput::Write(const std::string& text) const {
  switch (mode_) {
    case Mode::Console:
      WriteToConsole(GetStdHandle(handle_), text);
      return;
    case Mode::Drop:
      WriteBytes(file_, SystemCodePageToUtf8(DropControlBytes(text)));
      return;
    case Mode::Raw:
      WriteBytes(file_, text);
      return;
  }
}

}  // namespace standin
