#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/keyboard_input.h"

namespace velmar::platform::sim {

// Keys typed through the control API reach every installed hook; lock states live in memory.
class SimKeyboardInput final : public KeyboardInput {
 public:
  std::unique_ptr<KeyboardHook> installHook(KeyboardHookProc proc,
                                            const KeyboardFilter& filter) override;
  bool isKeyDown(std::uint8_t virtualKey) override;
  std::optional<bool> lockState(std::uint8_t virtualKey) override;
  bool setLockState(std::uint8_t virtualKey, bool on) override;
  void injectKey(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;

  // Types the text; returns the number of characters typed.
  std::size_t type(std::string_view text);
  int hookCount();
  int lockMask();
  void setLockMask(int mask);
  std::string injectedText();

  struct Hook {
    KeyboardHookProc proc;
    std::atomic<bool> installed{true};
  };
  void removeHook(const std::shared_ptr<Hook>& hook);

 private:
  // Delivers one event to the hooks, then lets the key state catch up with it, as a system
  // does after its hooks have seen an event.
  void deliver(const KeyEvent& event);
  static int lockBit(std::uint8_t virtualKey);

  std::mutex mutex_;
  std::vector<std::shared_ptr<Hook>> hooks_;
  std::set<std::uint8_t> keysDown_;
  int lockMask_ = 0;
  std::vector<std::string> injected_;
  std::mutex typingMutex_;  // one text at a time, so that two typists never interleave
};

}  // namespace velmar::platform::sim
