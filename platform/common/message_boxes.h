#pragma once

#include <functional>
#include <mutex>

#include "platform/message_boxes.h"

namespace velmar::platform {

class HostMessageBoxes final : public MessageBoxes {
 public:
  // With `record`, messages are kept for shown() and passed to `log`; without a handler they
  // then go nowhere else (the simulated platform). Otherwise they go to standard error.
  explicit HostMessageBoxes(bool record, std::function<void(const ShownMessage&)> log = nullptr);

  void show(std::string_view text, std::string_view caption, MessageIcon icon) override;
  void setHandler(MessageBoxHandler handler, void* context) override;
  std::vector<ShownMessage> shown() override;

 private:
  const bool record_;
  const std::function<void(const ShownMessage&)> log_;
  std::mutex mutex_;
  MessageBoxHandler handler_ = nullptr;
  void* context_ = nullptr;
  std::vector<ShownMessage> shown_;
};

}  // namespace velmar::platform
