#include "platform/common/message_boxes.h"

#include <cstdio>
#include <string>

namespace velmar::platform {

HostMessageBoxes::HostMessageBoxes(bool record, std::function<void(const ShownMessage&)> log)
    : record_(record), log_(std::move(log)) {}

void HostMessageBoxes::show(std::string_view text, std::string_view caption, MessageIcon icon) {
  ShownMessage message{std::string(text), std::string(caption), icon};
  MessageBoxHandler handler;
  void* context;
  {
    std::lock_guard lock(mutex_);
    if (record_) shown_.push_back(message);
    handler = handler_;
    context = context_;
  }
  if (log_) log_(message);
  // The handler may run a dialog with its own event loop: call it without the lock.
  if (handler) {
    handler(message.text.c_str(), message.caption.c_str(), static_cast<int>(icon), context);
  } else if (!record_) {
    std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
  }
}

void HostMessageBoxes::setHandler(MessageBoxHandler handler, void* context) {
  std::lock_guard lock(mutex_);
  handler_ = handler;
  context_ = context;
}

std::vector<ShownMessage> HostMessageBoxes::shown() {
  std::lock_guard lock(mutex_);
  return shown_;
}

}  // namespace velmar::platform
