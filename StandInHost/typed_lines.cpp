#include "typed_lines.h"

#include <iterator>
#include <mutex>
#include <thread>

namespace standin {
namespace {

// Standard input, as it comes: bytes from a pipe or file (UTF-8 by the host's convention), or
// UTF-16 from a console, whose bytes would be in its input code page (437, 850...) instead.
struct Input {
  HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
  bool console = false;
  wchar_t carried = 0;  // the first half of a surrogate pair that a console read cut in two

  Input() {
    DWORD mode;
    console = GetConsoleMode(handle, &mode) != FALSE;
  }

  // Appends what the next read brings to *pending, as UTF-8; false at the end of input.
  // ReadFile, not the C runtime: a thread blocked in the runtime's read holds the stream's lock,
  // which the runtime's exit would wait for when the host ends before its input.
  bool ReadMore(std::string* pending) {
    if (!console) {
      char chunk[4096];
      DWORD got = 0;
      if (!ReadFile(handle, chunk, sizeof chunk, &got, nullptr) || got == 0) return false;
      pending->append(chunk, got);
      return true;
    }
    wchar_t chunk[2048];
    DWORD got = carried != 0 ? 1 : 0;
    chunk[0] = carried;
    DWORD read = 0;
    if (!ReadConsoleW(handle, chunk + got, DWORD(std::size(chunk)) - got, &read, nullptr) ||
        read == 0)
      return false;
    got += read;
    carried = got > 1 && IS_HIGH_SURROGATE(chunk[got - 1]) ? chunk[--got] : 0;
    char utf8[sizeof chunk * 2];
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, chunk, int(got), utf8, int(sizeof utf8), nullptr, nullptr);
    pending->append(utf8, size_t(length > 0 ? length : 0));
    return true;
  }
};

// One line without its line end, `pending` holding what was read past it; false at the end of
// input, and at a console line that starts with Ctrl+Z, the end of input there. Each read is
// searched once, so a line of any length costs time in proportion to its length.
bool ReadLine(Input& input, std::string* pending, std::string* line) {
  size_t searched = 0, end;
  while ((end = pending->find('\n', searched)) == std::string::npos) {
    searched = pending->size();
    if (!input.ReadMore(pending)) {
      if (pending->empty()) return false;
      end = pending->size();
      break;
    }
  }
  line->assign(*pending, 0, end);
  pending->erase(0, end + 1);
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return !(input.console && !line->empty() && (*line)[0] == '\x1A');
}

}  // namespace

struct TypedLines::Shared {
  // Manual reset: set while something waits, reset by the taker when it has taken everything.
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::mutex mutex;
  std::vector<std::string> waiting;
  bool ended = false;

  ~Shared() {
    if (ready != nullptr) CloseHandle(ready);
  }
};

TypedLines::TypedLines() : shared_(std::make_shared<Shared>()) {
  std::thread([shared = shared_] {
    Input input;
    std::string pending, line;
    bool more = true;
    while (more) {
      more = ReadLine(input, &pending, &line);
      const std::lock_guard<std::mutex> lock(shared->mutex);
      if (more) {
        shared->waiting.push_back(line);
      } else {
        shared->ended = true;
      }
      SetEvent(shared->ready);
    }
  }).detach();
}

HANDLE TypedLines::Ready() const {
  return shared_->ready;
}

bool TypedLines::Take(std::vector<std::string>* lines) {
  const std::lock_guard<std::mutex> lock(shared_->mutex);
  lines->insert(lines->end(), shared_->waiting.begin(), shared_->waiting.end());
  shared_->waiting.clear();
  ResetEvent(shared_->ready);
  return !shared_->ended;
}

}  // namespace standin
