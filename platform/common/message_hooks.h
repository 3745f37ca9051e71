#pragma once

#include <map>
#include <mutex>

#include "platform/message_hooks.h"

namespace velmar::platform {

class RecordedMessageHooks final : public MessageHooks {
 public:
  std::unique_ptr<MessageHook> install(std::function<void()> proc) override;
  int installedCount() override;
  void retrieveMessage() override;

 private:
  friend class RecordedMessageHook;
  void remove(int id);

  std::mutex mutex_;
  std::map<int, std::function<void()>> hooks_;
  int nextId_ = 1;
};

}  // namespace velmar::platform
