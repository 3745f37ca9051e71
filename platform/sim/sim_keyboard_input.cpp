#include "platform/sim/sim_keyboard_input.h"

#include <algorithm>
#include <cstdio>

#include "platform/virtual_keys.h"
#include "sim/key_typing.h"

namespace velmar::platform::sim {
namespace {

class SimKeyboardHook final : public KeyboardHook {
 public:
  SimKeyboardHook(SimKeyboardInput& input, std::shared_ptr<SimKeyboardInput::Hook> hook)
      : input_(input), hook_(std::move(hook)) {}
  // A call already running on another thread finishes; no new one starts. The procedure goes
  // now, while the library that installed it is still loaded.
  ~SimKeyboardHook() override {
    hook_->installed = false;
    input_.removeHook(hook_);
  }

 private:
  SimKeyboardInput& input_;
  std::shared_ptr<SimKeyboardInput::Hook> hook_;
};

}  // namespace

std::unique_ptr<KeyboardHook> SimKeyboardInput::installHook(KeyboardHookProc proc,
                                                            const KeyboardFilter&) {
  auto hook = std::make_shared<Hook>();
  hook->proc = std::move(proc);
  std::lock_guard lock(mutex_);
  hooks_.push_back(hook);
  return std::make_unique<SimKeyboardHook>(*this, std::move(hook));
}

void SimKeyboardInput::removeHook(const std::shared_ptr<Hook>& hook) {
  std::lock_guard lock(mutex_);
  std::erase(hooks_, hook);
}

bool SimKeyboardInput::isKeyDown(std::uint8_t virtualKey) {
  std::lock_guard lock(mutex_);
  auto down = [&](std::uint8_t key) { return keysDown_.contains(key); };
  switch (virtualKey) {
    case keys::kShift:
      return down(keys::kLeftShift) || down(keys::kRightShift);
    case keys::kControl:
      return down(keys::kLeftControl) || down(keys::kRightControl);
    case keys::kMenu:
      return down(keys::kLeftMenu) || down(keys::kRightMenu);
    default:
      return down(virtualKey);
  }
}

std::optional<bool> SimKeyboardInput::lockState(std::uint8_t virtualKey) {
  const int bit = lockBit(virtualKey);
  if (!bit) return std::nullopt;
  std::lock_guard lock(mutex_);
  return (lockMask_ & bit) != 0;
}

bool SimKeyboardInput::setLockState(std::uint8_t virtualKey, bool on) {
  const int bit = lockBit(virtualKey);
  if (!bit) return false;
  std::lock_guard lock(mutex_);
  lockMask_ = on ? (lockMask_ | bit) : (lockMask_ & ~bit);
  return true;
}

void SimKeyboardInput::injectKey(std::uint8_t virtualKey, std::uint8_t scanCode,
                                 std::uint32_t flags) {
  const bool down = (flags & kInjectKeyUp) == 0;
  {
    std::lock_guard lock(mutex_);
    char line[32];
    std::snprintf(line, sizeof line, "%02x %02x %x", virtualKey, scanCode, flags);
    injected_.emplace_back(line);
    if (down) lockMask_ ^= lockBit(virtualKey);
  }
  deliver({virtualKey, scanCode, down, /*injected=*/true, /*systemKey=*/false});
}

std::size_t SimKeyboardInput::type(std::string_view text) {
  const velmar::sim::TypedKeys typed = velmar::sim::keyEventsFor(text);
  std::lock_guard typing(typingMutex_);
  for (const KeyEvent& event : typed.events)
    deliver(event);
  return typed.charactersTyped;
}

int SimKeyboardInput::hookCount() {
  std::lock_guard lock(mutex_);
  return static_cast<int>(hooks_.size());
}

int SimKeyboardInput::lockMask() {
  std::lock_guard lock(mutex_);
  return lockMask_;
}

void SimKeyboardInput::setLockMask(int mask) {
  std::lock_guard lock(mutex_);
  lockMask_ = mask & 7;
}

std::string SimKeyboardInput::injectedText() {
  std::lock_guard lock(mutex_);
  std::string text;
  for (const std::string& line : injected_)
    text += line + '\n';
  return text;
}

void SimKeyboardInput::deliver(const KeyEvent& event) {
  std::vector<std::shared_ptr<Hook>> hooks;
  {
    std::lock_guard lock(mutex_);
    hooks = hooks_;
  }
  for (const auto& hook : hooks) {
    if (hook->installed) hook->proc(event);
  }
  std::lock_guard lock(mutex_);
  if (event.down) {
    keysDown_.insert(event.virtualKey);
  } else {
    keysDown_.erase(event.virtualKey);
  }
}

int SimKeyboardInput::lockBit(std::uint8_t virtualKey) {
  switch (virtualKey) {
    case keys::kNumLock:
      return 1;
    case keys::kCapsLock:
      return 2;
    case keys::kScrollLock:
      return 4;
    default:
      return 0;
  }
}

}  // namespace velmar::platform::sim
