#pragma once

#include <cstdint>

namespace velmar::dorvel {

// Collects card reads and operator keys from the keys the keyboard types, and queues typed
// characters for the echo. Runs for every key event, holding LibraryLock.
void CaptureKey(std::uint8_t virtualKey, std::uint8_t scanCode, bool down);

// Installs the keyboard hook of this platform (low-level on NT, classic on 9x) on the family's
// keyboards, the AT keyboard included when `atKeyboard`. Callers hold LibraryLock.
void InstallKeyboardHook(bool atKeyboard);

}  // namespace velmar::dorvel
