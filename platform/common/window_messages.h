#pragma once

#include <map>
#include <mutex>
#include <string>

#include "platform/window_messages.h"

namespace velmar::platform {

class ProcessWindowMessages final : public WindowMessages {
 public:
  std::uint32_t registerMessage(std::string_view name) override;
  void broadcast(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  int addListener(MessageListener listener) override;
  bool removeListener(int id) override;

 private:
  std::mutex namesMutex_;
  std::map<std::string, std::uint32_t> names_;
  // Held while listeners run, so that removal waits for a call in progress; recursive because
  // a listener may broadcast or change the listeners itself.
  std::recursive_mutex listenersMutex_;
  std::map<int, MessageListener> listeners_;
  int nextId_ = 1;
};

}  // namespace velmar::platform
