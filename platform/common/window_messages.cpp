#include "platform/common/window_messages.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace velmar::platform {
namespace {

constexpr std::uint32_t kFirstRegisteredMessage = 0xC000;
constexpr std::uint32_t kLastRegisteredMessage = 0xFFFF;

}  // namespace

std::uint32_t ProcessWindowMessages::registerMessage(std::string_view name) {
  if (name.empty()) return 0;
  std::string key(name);
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  std::lock_guard lock(namesMutex_);
  if (auto it = names_.find(key); it != names_.end()) return it->second;
  const std::uint32_t id = kFirstRegisteredMessage + static_cast<std::uint32_t>(names_.size());
  if (id > kLastRegisteredMessage) return 0;
  names_.emplace(std::move(key), id);
  return id;
}

void ProcessWindowMessages::broadcast(std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
  std::lock_guard lock(listenersMutex_);
  std::vector<std::pair<int, MessageListener>> current(listeners_.begin(), listeners_.end());
  for (const auto& [id, listener] : current) {
    // A listener removed by an earlier one in this broadcast is not called.
    if (listeners_.contains(id)) listener(message, wParam, lParam);
  }
}

int ProcessWindowMessages::addListener(MessageListener listener) {
  if (!listener) return 0;
  std::lock_guard lock(listenersMutex_);
  const int id = nextId_++;
  listeners_.emplace(id, std::move(listener));
  return id;
}

bool ProcessWindowMessages::removeListener(int id) {
  std::lock_guard lock(listenersMutex_);
  return listeners_.erase(id) > 0;
}

}  // namespace velmar::platform
