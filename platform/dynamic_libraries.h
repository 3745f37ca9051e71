#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace velmar::platform {

// A loaded library; freed when destroyed, after which its entries must not be called.
class VELMAR_PLATFORM_API DynamicLibrary {
 public:
  virtual ~DynamicLibrary() = default;
  // Address of an exported entry, nullptr when the library has none of that name.
  virtual void* entry(std::string_view name) = 0;
};

class VELMAR_PLATFORM_API DynamicLibraries {
 public:
  virtual ~DynamicLibraries() = default;
  // Loads a library by name from the directory of the module that holds `besideAddress` (the
  // address of any function of the caller). A Windows-style name such as "inpout32.dll" or
  // "Varno" is looked for as "libinpout32.so" or "libvarno.so". nullptr when it does not load.
  virtual std::unique_ptr<DynamicLibrary> load(std::string_view name,
                                               const void* besideAddress) = 0;
};

// The file name a library name stands for: "Varno.dll" -> "libvarno.so".
VELMAR_PLATFORM_API std::string libraryFileName(std::string_view name);

}  // namespace velmar::platform
