#include "platform/common/named_mutexes.h"

namespace velmar::platform {

std::unique_ptr<NamedMutex> ProcessNamedMutexes::create(std::string_view name, bool) {
  std::lock_guard lock(mutex_);
  if (failing_.contains(name)) return nullptr;
  return std::make_unique<NamedMutex>();
}

void ProcessNamedMutexes::failCreation(std::string_view name) {
  std::lock_guard lock(mutex_);
  failing_.emplace(name);
}

}  // namespace velmar::platform
