#include "windows_test_support.h"

#include <cstring>

namespace ostrakin::testing {

WindowOnItsOwnThread::WindowOnItsOwnThread(const char* className, WNDPROC procedure,
                                           bool readsAtOnce)
    : read_(CreateEventA(nullptr, TRUE, readsAtOnce, nullptr)),
      ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  reader_ = std::thread([this, className, procedure] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    created_ =
        CreateWindowA(className, "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr) != nullptr;
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists from here
    thread_ = GetCurrentThreadId();
    SetEvent(ready_);
    WaitForSingleObject(read_, INFINITE);
    while (created_ && GetMessageA(&message, nullptr, 0, 0) > 0)
      DispatchMessageA(&message);
  });
  WaitForSingleObject(ready_, INFINITE);
}

// The messages already queued are read before the quit that follows them.
WindowOnItsOwnThread::~WindowOnItsOwnThread() {
  PostThreadMessageA(thread_, WM_QUIT, 0, 0);
  Read();
  reader_.join();
  CloseHandle(read_);
  CloseHandle(ready_);
}

int RunAndCapture(const std::string& commandLine, std::string* output) {
  ChildProcess child;
  if (!child.Start(commandLine)) return -1;
  const int exitCode = child.Finish(INFINITE);
  *output = child.Transcript();
  return exitCode;
}

ChildProcess::~ChildProcess() {
  if (process_ != nullptr && Finish(5000) < 0) TerminateProcess(process_, 1);
  for (HANDLE handle : {process_, input_, output_}) {
    if (handle != nullptr) CloseHandle(handle);
  }
}

bool ChildProcess::Start(const std::string& commandLine) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE childInput = nullptr, childOutput = nullptr;
  if (!CreatePipe(&childInput, &input_, &inherit, 0)) return false;
  if (!CreatePipe(&output_, &childOutput, &inherit, 0)) return false;
  SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = childInput;
  startup.hStdOutput = childOutput;
  startup.hStdError = childOutput;
  PROCESS_INFORMATION process = {};
  std::string mutableLine = commandLine;
  const BOOL started = CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(childInput);
  CloseHandle(childOutput);
  if (!started) return false;
  CloseHandle(process.hThread);
  process_ = process.hProcess;
  return true;
}

bool ChildProcess::WriteLine(const std::string& line) {
  const std::string text = line + "\n";
  DWORD written = 0;
  return WriteFile(input_, text.data(), DWORD(text.size()), &written, nullptr) &&
         written == text.size();
}

bool ChildProcess::WaitForLine(const std::string& text, DWORD timeoutMs, std::string* found) {
  const DWORD start = GetTickCount();
  for (;;) {
    for (size_t end; (end = pending_.find('\n')) != std::string::npos;) {
      const std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      transcript_ += line + "\n";
      if (line.find(text) != std::string::npos) {
        if (found != nullptr) *found = line;
        return true;
      }
    }
    DWORD available = 0;
    if (!PeekNamedPipe(output_, nullptr, 0, nullptr, &available, nullptr)) return false;
    if (available > 0) {
      char chunk[4096];
      DWORD got = 0;
      if (!ReadFile(output_, chunk, sizeof chunk < available ? sizeof chunk : available, &got,
                    nullptr)) {
        return false;
      }
      pending_.append(chunk, got);
      continue;
    }
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
}

int ChildProcess::Finish(DWORD timeoutMs) {
  if (input_ != nullptr) {
    CloseHandle(input_);
    input_ = nullptr;
  }
  // Read what comes until the program ends, so that it never blocks on a full pipe; a program
  // that outlives the timeout is reported, not waited for.
  const DWORD start = GetTickCount();
  for (bool ended = false; !ended;) {
    ended = WaitForSingleObject(process_, 10) == WAIT_OBJECT_0;
    char chunk[4096];
    DWORD available = 0, got = 0;
    while (PeekNamedPipe(output_, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
           ReadFile(output_, chunk, sizeof chunk, &got, nullptr) && got > 0) {
      pending_.append(chunk, got);
    }
    if (!ended && GetTickCount() - start > timeoutMs) break;
  }
  transcript_ += pending_;
  pending_.clear();
  if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) return -1;
  DWORD exitCode = 0;
  GetExitCodeProcess(process_, &exitCode);
  return int(exitCode);
}

MachineValueFixture::MachineValueFixture(const std::string& key, const std::string& name)
    : key_(key), name_(name) {
  // Find the outermost missing key, so that the fixture removes exactly what it adds.
  for (size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
    const std::string prefix = key.substr(0, end);
    UniqueHkey probe;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, prefix.c_str(), 0, KEY_READ, probe.Put()) !=
        ERROR_SUCCESS) {
      createdRoot_ = prefix;
      break;
    }
    if (end == std::string::npos) break;
  }
  UniqueHkey opened;
  if (createdRoot_.empty() &&
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, opened.Put()) == ERROR_SUCCESS) {
    DWORD size = 0;
    if (RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &originalType_, nullptr, &size) ==
        ERROR_SUCCESS) {
      originalBytes_.resize(size);
      hadValue_ =
          RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &originalType_,
                           reinterpret_cast<BYTE*>(&originalBytes_[0]), &size) == ERROR_SUCCESS;
    }
  }
}

MachineValueFixture::~MachineValueFixture() {
  if (!createdRoot_.empty()) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, createdRoot_.c_str());
  } else if (hadValue_) {
    Set(originalType_, originalBytes_);
  } else {
    Remove();
  }
}

bool MachineValueFixture::Set(DWORD type, const std::string& bytes) {
  UniqueHkey key;
  return RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                         key.Put(), nullptr) == ERROR_SUCCESS &&
         RegSetValueExA(key.Get(), name_.c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(bytes.data()),
                        DWORD(bytes.size())) == ERROR_SUCCESS;
}

bool MachineValueFixture::Remove() {
  UniqueHkey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, KEY_SET_VALUE, key.Put()) !=
      ERROR_SUCCESS) {
    return true;
  }
  const LONG status = RegDeleteValueA(key.Get(), name_.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

namespace {

// The module's import address table entry for `function` from `dll`, or null.
void** ImportSlot(HMODULE module, const char* dll, const char* function) {
  auto* base = reinterpret_cast<unsigned char*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return nullptr;
  for (auto* entry =
           reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) continue;
    const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        return reinterpret_cast<void**>(&addresses->u1.Function);
      }
    }
  }
  return nullptr;
}

void Store(void** slot, void* value) {
  DWORD protection = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
}

}  // namespace

ImportReplacement::ImportReplacement(HMODULE module, const char* dll, const char* function,
                                     const void* replacement)
    : slot_(module != nullptr ? ImportSlot(module, dll, function) : nullptr) {
  if (slot_ == nullptr) return;
  original_ = *slot_;
  Store(slot_, const_cast<void*>(replacement));
}

ImportReplacement::~ImportReplacement() {
  if (slot_ != nullptr) Store(slot_, original_);
}

long CommittedKiB() {
  long total = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
      total += long(region.RegionSize / 1024);
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return total;
}

}  // namespace ostrakin::testing
