#pragma once

#include <cstdint>
#include <optional>

#include "platform/export.h"

// Virtual key numbering of the keyboard hook, with a US keyboard layout.
namespace velmar::platform::keys {

inline constexpr std::uint8_t kBack = 0x08;
inline constexpr std::uint8_t kTab = 0x09;
inline constexpr std::uint8_t kReturn = 0x0D;
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kMenu = 0x12;
inline constexpr std::uint8_t kCapsLock = 0x14;
inline constexpr std::uint8_t kEscape = 0x1B;
inline constexpr std::uint8_t kSpace = 0x20;
inline constexpr std::uint8_t kNumLock = 0x90;
inline constexpr std::uint8_t kScrollLock = 0x91;
inline constexpr std::uint8_t kLeftShift = 0xA0;
inline constexpr std::uint8_t kRightShift = 0xA1;
inline constexpr std::uint8_t kLeftControl = 0xA2;
inline constexpr std::uint8_t kRightControl = 0xA3;
inline constexpr std::uint8_t kLeftMenu = 0xA4;
inline constexpr std::uint8_t kRightMenu = 0xA5;

struct VirtualKeyInfo {
  std::uint8_t virtualKey;
  std::uint8_t scanCode;   // set 1, without the 0xE0 prefix
  bool extended;           // sent with the 0xE0 prefix
  std::uint16_t linuxKey;  // evdev KEY_* code
  char plain;              // character without Shift, 0 for none
  char shifted;            // character with Shift, 0 for none
};

VELMAR_PLATFORM_API const VirtualKeyInfo* findByVirtualKey(std::uint8_t virtualKey);
VELMAR_PLATFORM_API const VirtualKeyInfo* findByLinuxKey(std::uint16_t linuxKey);

// The unshifted character of a virtual key, letters in upper case; 0 for keys without one.
VELMAR_PLATFORM_API std::uint8_t characterOf(std::uint8_t virtualKey);
// The scan code of a virtual key; 0 for unknown keys.
VELMAR_PLATFORM_API std::uint8_t scanCodeOf(std::uint8_t virtualKey);

struct KeyStroke {
  std::uint8_t virtualKey;
  bool shift;
};

// How the character is typed; nullopt when no key types it. '\r' and '\n' are Enter.
VELMAR_PLATFORM_API std::optional<KeyStroke> strokeFor(unsigned char ch);

}  // namespace velmar::platform::keys
