#pragma once

#include <functional>
#include <memory>

#include "platform/export.h"

namespace velmar::platform {

// An installed message-retrieval hook; removed when destroyed.
class VELMAR_PLATFORM_API MessageHook {
 public:
  virtual ~MessageHook() = default;
};

// The desktop-wide message-retrieval hook. Linux has no such thing: installations are only
// recorded, and the procedure runs when the simulated platform retrieves a message.
class VELMAR_PLATFORM_API MessageHooks {
 public:
  virtual ~MessageHooks() = default;
  virtual std::unique_ptr<MessageHook> install(std::function<void()> proc) = 0;
  virtual int installedCount() = 0;
  // Runs every installed procedure once, as a retrieved message would.
  virtual void retrieveMessage() = 0;
};

}  // namespace velmar::platform
