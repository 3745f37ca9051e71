#include "dorvel/lock_keys.h"

#include <mutex>

#include "dorvel/command_framing.h"
#include "dorvel/export_guard.h"
#include "dorvel/transport/at_port.h"
#include "platform/platform.h"

namespace velmar::dorvel {
namespace {

constexpr int kStatesUnreadable = 5;  // as an I/O error code
constexpr int kSettleTries = 10;
constexpr std::uint32_t kSettlePauseMs = 100;
constexpr std::uint8_t kLockKeyScanCode = 0x45;

std::uint8_t lockBit(std::uint8_t key) {
  switch (key) {
    case kNumLockKey:
      return 1;
    case kCapsLockKey:
      return 2;
    default:
      return 4;
  }
}

// Reads the three lock states into LockLeds; false when they cannot be read.
bool ReadLockLeds() {
  platform::KeyboardInput& keyboard = platform::keyboard();
  std::uint8_t leds = 0;
  for (std::uint8_t key : {kNumLockKey, kCapsLockKey, kScrollLockKey}) {
    std::optional<bool> on = keyboard.lockState(key);
    if (!on) return false;
    if (*on) leds |= lockBit(key);
  }
  state().LockLeds = leds;
  return true;
}

void lockKeyCommand(std::uint8_t key, std::int32_t on) {
  LibraryState& library = state();
  std::lock_guard lock(library.LibraryLock);
  if (key == kCapsLockKey) library.CapsMode = Switch(on);
  const bool atDisplayMode = library.IsDorvelUsb == 0 && library.DisplayMode;
  if (atDisplayMode) SendKbdByte(0xE8);
  SetLockLed(key, on);
  if (atDisplayMode) SendKbdByte(0xE7);
}

}  // namespace

int SetLockLed(std::uint8_t key, std::int32_t on) {
  LibraryState& library = state();
  if (!ReadLockLeds()) return kStatesUnreadable;
  const std::uint8_t wanted = on ? lockBit(key) : 0;
  if ((library.LockLeds & lockBit(key)) != wanted) ToggleLockKey(key);
  for (int attempt = 0; attempt < kSettleTries; ++attempt) {
    if (!ReadLockLeds()) return kStatesUnreadable;
    if (library.LockLeds == wanted) return 0;
    platform::clock().sleepMs(kSettlePauseMs);
  }
  return -1;
}

void ToggleLockKey(std::uint8_t key) {
  platform::KeyboardInput& keyboard = platform::keyboard();
  if (state().PlatformNt == 'N') {
    keyboard.injectKey(key, kLockKeyScanCode, platform::kInjectExtendedKey);
    keyboard.injectKey(key, kLockKeyScanCode,
                       platform::kInjectExtendedKey | platform::kInjectKeyUp);
    return;
  }
  const std::optional<bool> current = keyboard.lockState(key);
  keyboard.setLockState(key, !current.value_or(false));
}

}  // namespace velmar::dorvel

using namespace velmar::dorvel;

extern "C" {

DORVEL_API void SetPIN(int32_t on) {
  guarded([&] { lockKeyCommand(kScrollLockKey, on); });
}

DORVEL_API void SetNumL(int32_t on) {
  guarded([&] { lockKeyCommand(kNumLockKey, on); });
}

DORVEL_API void SetCapsL(int32_t on) {
  guarded([&] { lockKeyCommand(kCapsLockKey, on); });
}

}  // extern "C"
