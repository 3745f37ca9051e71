#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/export.h"

namespace velmar::platform {

// One key event as a keyboard hook sees it.
struct KeyEvent {
  std::uint8_t virtualKey = 0;
  std::uint8_t scanCode = 0;
  bool down = false;       // key pressed (false: released)
  bool injected = false;   // synthesised by a program, not typed
  bool systemKey = false;  // typed with Alt held
};

// Which keyboards a hook listens to. The simulated keyboards type into every hook.
struct KeyboardFilter {
  std::vector<std::pair<std::uint16_t, std::uint16_t>> usbIds;  // vendor id, product id
  bool atKeyboard = false;  // also the keyboard on the PC's own keyboard port
};

using KeyboardHookProc = std::function<void(const KeyEvent&)>;

// An installed keyboard hook; removed when destroyed. From then on no call of its procedure
// starts; one already running on another thread may finish (waiting for it could deadlock
// with a procedure that takes a lock the remover holds).
class VELMAR_PLATFORM_API KeyboardHook {
 public:
  virtual ~KeyboardHook() = default;
};

// Flags of an injected key event.
inline constexpr std::uint32_t kInjectExtendedKey = 0x1;
inline constexpr std::uint32_t kInjectKeyUp = 0x2;

class VELMAR_PLATFORM_API KeyboardInput {
 public:
  virtual ~KeyboardInput() = default;
  // The procedure sees every key event of the filtered keyboards, in the order typed, and
  // cannot swallow them. It runs on the platform's input thread (native) or on the typing
  // thread (simulated).
  virtual std::unique_ptr<KeyboardHook> installHook(KeyboardHookProc proc,
                                                    const KeyboardFilter& filter) = 0;
  // Whether the key is held, as the system knew it before the event a hook is handling.
  virtual bool isKeyDown(std::uint8_t virtualKey) = 0;
  // Toggle state of Num Lock (0x90), Caps Lock (0x14) or Scroll Lock (0x91);
  // nullopt when it cannot be read.
  virtual std::optional<bool> lockState(std::uint8_t virtualKey) = 0;
  // Sets a lock key's toggle state directly, as writing the keyboard state does; false when
  // it cannot be set.
  virtual bool setLockState(std::uint8_t virtualKey, bool on) = 0;
  // Synthesises one key event. It never reaches the desktop; a lock-key press toggles its lock
  // state (and indicator), and hooks see the event marked as injected.
  virtual void injectKey(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;
};

}  // namespace velmar::platform
