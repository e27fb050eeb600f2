// Lines typed on standard input while the host's window listens. A thread of their own reads them
// and keeps them, in order, until the window's thread takes them: none is lost however long that
// thread is busy, and no window message carries them (a post can fail, or find the window gone).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace standin {

class TypedLines {
 public:
  // Starts the thread that reads standard input, a line of any length at a time, without its
  // line end. The thread is left to run: it may be blocked in a read when the host ends, and
  // what it shares with this object lives on until it ends too.
  TypedLines();

  // Signalled while lines, or the end of input, wait to be taken: for MsgWaitForMultipleObjects.
  HANDLE Ready() const;
  // Moves the lines read so far into *lines; false once the input has ended and every line has
  // been taken.
  bool Take(std::vector<std::string>* lines);

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
};

}  // namespace standin
