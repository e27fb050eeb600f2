// The host's hold on a plug-in library: loaded by path, every entry point the host calls
// resolved by name, introduced (Initialize, then PublishInfo), released on request and loaded
// again when next needed.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Ostrakin.h"

namespace standin {

// The folder this program was started from, with a trailing backslash, or "" when Windows cannot
// say (GetLastError tells why). The build puts every Windows binary there.
std::string ProgramDirectory();

// Where a host looks for the plug-in unless told otherwise: Ostrakin.dll beside the program, or
// "" when the program's folder cannot be found.
std::string PluginBesideThisProgram();

// What the host learns from PublishInfo.
struct PublishedInfo {
  char name[256] = {};
  CommandCatalogue commands = {};
  TagCatalogue tags = {};
};

struct PluginEntryPoints {
  InitializeFn initialize = nullptr;
  UninitializeFn uninitialize = nullptr;
  PublishInfoFn publishInfo = nullptr;
  ParseCommandFn parseCommand = nullptr;
  ParseTagFn parseTag = nullptr;
  ReceiveNotifyFn receiveNotify = nullptr;
};

class PluginLibrary {
 public:
  explicit PluginLibrary(std::string path) : path_(std::move(path)) {}
  ~PluginLibrary() { Release(); }
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Loads the library (unless it is loaded), resolves every entry point, initializes the plug-in
  // and asks for its catalogue. False with a message naming the library and, for a missing
  // entry point, its name; a plug-in that declines PublishInfo is released again.
  bool Load(std::string* error);
  // Uninitializes the plug-in and frees the library, so that its file can be replaced.
  void Release();

  bool IsLoaded() const { return module_ != nullptr; }
  const PluginEntryPoints& EntryPoints() const { return entry_; }
  // What the plug-in published when it was last loaded.
  const PublishedInfo& Info() const { return *info_; }
  const std::string& Path() const { return path_; }

  // Any export of the loaded library by name, as the function type its contract gives; null
  // when the library is not loaded or lacks it.
  template <typename Function>
  Function Find(const char* name) const {
    // GetProcAddress hands back a generic pointer; the entry point's type is the contract's.
    return module_ == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  std::string path_;
  HMODULE module_ = nullptr;
  PluginEntryPoints entry_;
  std::unique_ptr<PublishedInfo> info_ = std::make_unique<PublishedInfo>();  // 12.8 KB
};

}  // namespace standin
