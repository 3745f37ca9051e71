#pragma once

#include <map>
#include <mutex>
#include <set>
#include <string>

#include "platform/dynamic_libraries.h"

namespace velmar::platform {

// dlopen beside the calling module. The simulated platform can hide libraries or entries.
class ModuleLibraries final : public DynamicLibraries {
 public:
  std::unique_ptr<DynamicLibrary> load(std::string_view name, const void* besideAddress) override;
  // An empty entry hides the whole library.
  void hide(std::string_view library, std::string_view entry);

 private:
  std::mutex mutex_;
  std::map<std::string, std::set<std::string, std::less<>>> hidden_;  // file name -> entries
  std::set<std::string> hiddenLibraries_;
};

}  // namespace velmar::platform
