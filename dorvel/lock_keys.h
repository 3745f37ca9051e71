#pragma once

#include <cstdint>

namespace velmar::dorvel {

inline constexpr std::uint8_t kNumLockKey = 0x90;
inline constexpr std::uint8_t kCapsLockKey = 0x14;
inline constexpr std::uint8_t kScrollLockKey = 0x91;

// Makes the lock key's state (and so the keyboard's indicator) follow `on`, waiting up to a
// second for the three lock states to show only that key on. 0 done, -1 they did not, or the
// error code when the states cannot be read. Callers hold LibraryLock.
int SetLockLed(std::uint8_t key, std::int32_t on);

// Presses and releases the key (marked as injected, so the capture ignores it); on 9x writes
// its state directly.
void ToggleLockKey(std::uint8_t key);

}  // namespace velmar::dorvel
