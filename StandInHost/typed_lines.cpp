#include "typed_lines.h"

#include <mutex>
#include <thread>

namespace standin {
namespace {

// One line from `input` without its line end, `pending` holding what was read past it; false at
// the end of input. ReadFile, not the C runtime: a thread blocked in the runtime's read holds the
// stream's lock, which the runtime's exit would wait for when the host ends before its input.
bool ReadLine(HANDLE input, std::string* pending, std::string* line) {
  size_t end;
  while ((end = pending->find('\n')) == std::string::npos) {
    char chunk[4096];
    DWORD got = 0;
    if (!ReadFile(input, chunk, sizeof chunk, &got, nullptr) || got == 0) {
      if (pending->empty()) return false;
      end = pending->size();
      break;
    }
    pending->append(chunk, got);
  }
  line->assign(*pending, 0, end);
  pending->erase(0, end + 1);
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
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
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
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
