#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/dynamic_libraries.h"

namespace lavrix {

// A library bound by name at run time: loaded beside the caller at its first use, each entry
// looked up at its first call. A library or entry that is missing stays missing for the run.
class LazyLibrary {
 public:
  // `besideAddress` is any function of the module beside which the library lies.
  LazyLibrary(std::string name, const void* besideAddress);

  // Whether the library could be loaded; tries once.
  bool Load();
  // The entry's address; nullptr when the library or the entry is missing.
  void* Entry(std::string_view entryName);

 private:
  std::string name_;
  const void* besideAddress_;
  bool loadTried_ = false;
  std::unique_ptr<velmar::platform::DynamicLibrary> library_;
  std::map<std::string, void*, std::less<>> entries_;
};

}  // namespace lavrix
