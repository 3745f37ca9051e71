#include "platform/common/message_hooks.h"

#include <vector>

namespace velmar::platform {

class RecordedMessageHook final : public MessageHook {
 public:
  RecordedMessageHook(RecordedMessageHooks& owner, int id) : owner_(owner), id_(id) {}
  ~RecordedMessageHook() override { owner_.remove(id_); }

 private:
  RecordedMessageHooks& owner_;
  int id_;
};

std::unique_ptr<MessageHook> RecordedMessageHooks::install(std::function<void()> proc) {
  std::lock_guard lock(mutex_);
  const int id = nextId_++;
  hooks_.emplace(id, std::move(proc));
  return std::make_unique<RecordedMessageHook>(*this, id);
}

int RecordedMessageHooks::installedCount() {
  std::lock_guard lock(mutex_);
  return static_cast<int>(hooks_.size());
}

void RecordedMessageHooks::retrieveMessage() {
  std::vector<std::function<void()>> procs;
  {
    std::lock_guard lock(mutex_);
    for (const auto& [id, proc] : hooks_)
      procs.push_back(proc);
  }
  for (const auto& proc : procs)
    proc();
}

void RecordedMessageHooks::remove(int id) {
  std::lock_guard lock(mutex_);
  hooks_.erase(id);
}

}  // namespace velmar::platform
