#include "plugin_library.h"

#include <type_traits>

#include "windows_error.h"

namespace standin {

std::string ProgramDirectory() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string file(path, length);
  return file.substr(0, file.find_last_of("\\/") + 1);
}

std::string PluginBesideThisProgram() {
  return ProgramDirectory() + "Ostrakin.dll";
}

bool PluginLibrary::Load(std::string* error) {
  if (module_ != nullptr) return true;
  module_ = LoadLibraryA(path_.c_str());
  if (module_ == nullptr) {
    *error = "cannot load " + path_ + ": " + DescribeWindowsError(GetLastError());
    return false;
  }
  PluginEntryPoints entry;
  const char* missing = nullptr;
  auto resolve = [&](const char* name, auto* function) {
    *function = Find<std::remove_pointer_t<decltype(function)>>(name);
    if (*function == nullptr && missing == nullptr) missing = name;
  };
  resolve("Initialize", &entry.initialize);
  resolve("Uninitialize", &entry.uninitialize);
  resolve("PublishInfo", &entry.publishInfo);
  resolve("ParseCommand", &entry.parseCommand);
  resolve("ParseTag", &entry.parseTag);
  resolve("ReceiveNotify", &entry.receiveNotify);
  if (missing != nullptr) {
    FreeLibrary(module_);
    module_ = nullptr;
    *error = path_ + " does not export the entry point " + missing;
    return false;
  }
  entry_ = entry;
  entry_.initialize(0, 0, 0);
  *info_ = PublishedInfo{};
  if (entry_.publishInfo(info_->name, &info_->commands, &info_->tags) != 1) {
    Release();
    *error = path_ + " declined PublishInfo";
    return false;
  }
  return true;
}

void PluginLibrary::Release() {
  if (module_ == nullptr) return;
  entry_.uninitialize();
  FreeLibrary(module_);
  module_ = nullptr;
  entry_ = PluginEntryPoints{};
}

}  // namespace standin
