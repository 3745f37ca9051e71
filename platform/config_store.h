#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace velmar::platform {

// An open configuration key; closed when destroyed.
class VELMAR_PLATFORM_API ConfigKey {
 public:
  virtual ~ConfigKey() = default;
  // The text value of that name (names compare without regard to case), nullopt when absent.
  virtual std::optional<std::string> readText(std::string_view name) = 0;
};

// The machine-wide configuration, organised as keys holding named text values.
class VELMAR_PLATFORM_API ConfigStore {
 public:
  virtual ~ConfigStore() = default;
  // Opens an existing key of the local machine, such as "\SOFTWARE\VELMAR\Dorvel USB\1.0";
  // nullptr when there is no such key. Never creates one.
  virtual std::unique_ptr<ConfigKey> openLocalMachineKey(std::string_view path) = 0;
};

}  // namespace velmar::platform
