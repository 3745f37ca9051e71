#pragma once

#include <memory>
#include <string_view>

#include "platform/export.h"

namespace velmar::platform {

// A handle to a named mutex; released and closed when destroyed.
class VELMAR_PLATFORM_API NamedMutex {
 public:
  virtual ~NamedMutex() = default;
};

class VELMAR_PLATFORM_API NamedMutexes {
 public:
  virtual ~NamedMutexes() = default;
  // Creates the mutex, or opens it when the name exists already; nullptr when no handle can be
  // had. With initialOwner the creator owns a mutex it created.
  virtual std::unique_ptr<NamedMutex> create(std::string_view name, bool initialOwner) = 0;
};

}  // namespace velmar::platform
