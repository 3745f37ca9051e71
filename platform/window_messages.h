#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/export.h"

namespace velmar::platform {

using MessageListener =
    std::function<void(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)>;

// Registered window messages, delivered to the listeners of this process.
class VELMAR_PLATFORM_API WindowMessages {
 public:
  virtual ~WindowMessages() = default;
  // The id of a message name (0xC000-0xFFFF), the same for every caller of the same name,
  // letter case aside; 0 when no more ids are left.
  virtual std::uint32_t registerMessage(std::string_view name) = 0;
  // Calls every listener in the calling thread and returns when all have returned. A listener
  // may broadcast, add or remove listeners itself.
  virtual void broadcast(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // Returns an id for removeListener, above 0. Once removeListener has returned, the listener
  // is not called again.
  virtual int addListener(MessageListener listener) = 0;
  virtual bool removeListener(int id) = 0;
};

}  // namespace velmar::platform
