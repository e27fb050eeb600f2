#include "typed_lines.h"

#include <mutex>
#include <thread>

namespace standin {

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

TypedLines::TypedLines(std::function<bool(std::string* line)> readLine)
    : shared_(std::make_shared<Shared>()) {
  std::thread([shared = shared_, readLine = std::move(readLine)] {
    std::string line;
    bool more = true;
    while (more) {
      more = readLine(&line);
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
