#pragma once

#include <mutex>
#include <set>
#include <string>

#include "platform/named_mutex.h"

namespace velmar::platform {

// Named mutexes live in the process; a name created again is simply opened again. Nothing in
// the system waits on them, so a handle only stands for the name.
class ProcessNamedMutexes final : public NamedMutexes {
 public:
  std::unique_ptr<NamedMutex> create(std::string_view name, bool initialOwner) override;
  void failCreation(std::string_view name);

 private:
  std::mutex mutex_;
  std::set<std::string, std::less<>> failing_;
};

}  // namespace velmar::platform
