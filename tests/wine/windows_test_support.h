// Helpers for the tests that run as Windows programs under Wine.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace ostrakin::testing {

// A registry key closed when the object dies, on every path.
class UniqueHkey {
 public:
  UniqueHkey() = default;
  ~UniqueHkey() { Close(); }
  UniqueHkey(const UniqueHkey&) = delete;
  UniqueHkey& operator=(const UniqueHkey&) = delete;

  HKEY Get() const { return key_; }
  // For the call that opens it; any key held before is closed first.
  HKEY* Put() {
    Close();
    return &key_;
  }

 private:
  void Close() {
    if (key_ != nullptr) RegCloseKey(key_);
    key_ = nullptr;
  }

  HKEY key_ = nullptr;
};

// Runs a command line to completion with no input; returns its exit code and what it wrote to
// standard output and error, or -1 when it could not be started.
int RunAndCapture(const std::string& commandLine, std::string* output);

// A program running beside the test, with its standard input and output on pipes.
class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Start(const std::string& commandLine);
  bool WriteLine(const std::string& line);
  // Reads output lines until one contains `text`, or `timeoutMs` passes; true when found.
  // Every line read is kept in Transcript().
  bool WaitForLine(const std::string& text, DWORD timeoutMs, std::string* line = nullptr);
  // Ends the input, reads the rest of the output into Transcript() and waits for the program
  // to exit; returns its exit code (-1 on timeout).
  int Finish(DWORD timeoutMs);
  const std::string& Transcript() const { return transcript_; }
  DWORD ProcessId() const { return GetProcessId(process_); }
  // True when the program ends within `timeoutMs`, its input still open.
  bool Ends(DWORD timeoutMs) const { return WaitForSingleObject(process_, timeoutMs) == 0; }

 private:
  HANDLE process_ = nullptr, input_ = nullptr, output_ = nullptr;
  std::string pending_, transcript_;
};

// A top-level window of this process on a thread of its own, which reads the window's messages
// from Read() on (at once when `readsAtOnce`) until the object dies; until then, it is as hung.
class WindowOnItsOwnThread {
 public:
  WindowOnItsOwnThread(const char* className, WNDPROC procedure, bool readsAtOnce = true);
  ~WindowOnItsOwnThread();
  WindowOnItsOwnThread(const WindowOnItsOwnThread&) = delete;
  WindowOnItsOwnThread& operator=(const WindowOnItsOwnThread&) = delete;

  bool Created() const { return created_; }
  void Read() { SetEvent(read_); }

 private:
  HANDLE read_, ready_;
  DWORD thread_ = 0;
  bool created_ = false;
  std::thread reader_;
};

// A registry value under HKEY_LOCAL_MACHINE set for the lifetime of the object. Afterwards the
// value is restored as it was (or removed), and any key that had to be created is deleted.
class MachineValueFixture {
 public:
  MachineValueFixture(const std::string& key, const std::string& name);
  ~MachineValueFixture();
  MachineValueFixture(const MachineValueFixture&) = delete;
  MachineValueFixture& operator=(const MachineValueFixture&) = delete;

  bool Set(DWORD type, const std::string& bytes);
  bool Remove();

 private:
  std::string key_, name_;
  std::string createdRoot_;  // the outermost key this fixture created, if any
  bool hadValue_ = false;
  DWORD originalType_ = 0;
  std::string originalBytes_;
};

// Points one import of a loaded module at a replacement while the object lives, then back: the
// module's own calls of that function go to the replacement, every other module's do not.
class ImportReplacement {
 public:
  ImportReplacement(HMODULE module, const char* dll, const char* function, const void* replacement);
  ~ImportReplacement();
  ImportReplacement(const ImportReplacement&) = delete;
  ImportReplacement& operator=(const ImportReplacement&) = delete;

  // False when the module does not import that function by name.
  bool Active() const { return slot_ != nullptr; }

 private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

// Memory this process has committed for itself (heaps, stacks, private data), in KiB, as Wine
// accounts it: a leak shows there on either path. Linux's count of the process would include
// qemu's, and its smaps are out of the wineserver's reach when the runs' namespaces differ.
long CommittedKiB();

}  // namespace ostrakin::testing
