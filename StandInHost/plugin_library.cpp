#include "plugin_library.h"

namespace standin {
namespace {

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function* function, std::string* missing) {
  // GetProcAddress hands back a generic pointer; the entry point's type is the contract's.
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (*function == nullptr && missing->empty()) *missing = name;
  return *function != nullptr;
}

}  // namespace

bool PluginLibrary::Load(std::string* error) {
  if (module_ != nullptr) return true;
  HMODULE module = LoadLibraryA(path_.c_str());
  if (module == nullptr) {
    *error = "cannot load " + path_ + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  PluginEntryPoints entry;
  std::string missing;
  Resolve(module, "Initialize", &entry.initialize, &missing);
  Resolve(module, "Uninitialize", &entry.uninitialize, &missing);
  Resolve(module, "PublishInfo", &entry.publishInfo, &missing);
  Resolve(module, "ParseCommand", &entry.parseCommand, &missing);
  Resolve(module, "ParseTag", &entry.parseTag, &missing);
  Resolve(module, "ReceiveNotify", &entry.receiveNotify, &missing);
  if (!missing.empty()) {
    FreeLibrary(module);
    *error = path_ + " does not export the entry point " + missing;
    return false;
  }
  module_ = module;
  entry_ = entry;
  entry_.initialize(0, 0, 0);
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
