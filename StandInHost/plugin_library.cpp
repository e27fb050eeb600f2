#include "plugin_library.h"

#include <type_traits>

#include "windows_error.h"

namespace standin {

std::string ProgramDirectory() {
  // A path that does not fit comes back cut short, and filling the whole buffer is the only sign:
  // the buffer grows until it fits (a path may be far longer than MAX_PATH).
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], DWORD(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) {
      path.resize(length);
      return path.substr(0, path.find_last_of("\\/") + 1);
    }
    path.resize(path.size() * 2);
  }
}

std::string PluginBesideThisProgram() {
  const std::string directory = ProgramDirectory();
  return directory.empty() ? directory : directory + "Ostrakin.dll";
}

bool PluginLibrary::Load(std::string* error) {
  if (module_ != nullptr) return true;
  module_ = LoadLibraryA(path_.c_str());
  if (module_ == nullptr) {
    *error = "cannot load " + path_ + ": " + DescribeWindowsError(GetLastError(), path_);
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
