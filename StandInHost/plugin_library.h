// The host's hold on a plug-in library: loaded by path, every entry point the host calls
// resolved by name, released on request and loaded again when next needed.
#pragma once

#include <windows.h>

#include <string>

#include "Ostrakin.h"

namespace standin {

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

  // Loads the library (unless it is loaded) and resolves every entry point. False with a
  // message naming the library and, for a missing entry point, its name.
  bool Load(std::string* error);
  // Uninitializes the plug-in and frees the library, so that its file can be replaced.
  void Release();

  bool IsLoaded() const { return module_ != nullptr; }
  const PluginEntryPoints& EntryPoints() const { return entry_; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  HMODULE module_ = nullptr;
  PluginEntryPoints entry_;
};

}  // namespace standin
