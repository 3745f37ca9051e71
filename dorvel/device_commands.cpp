#include <array>
#include <cstring>
#include <mutex>

#include "dorvel/command_framing.h"
#include "dorvel/export_guard.h"
#include "dorvel/transport/at_port.h"
#include "dorvel/transport/usb_hid.h"
#include "platform/platform.h"

using namespace velmar::dorvel;

namespace {

// A capture switch: its flag follows the call whether or not the keyboard got it.
void captureSwitch(std::uint8_t LibraryState::*flag, std::uint8_t usbCommand, std::int32_t on,
                   std::uint8_t atOn, std::uint8_t atOff) {
  {
    std::lock_guard lock(state().LibraryLock);
    state().*flag = Switch(on);
  }
  SwitchCommand(usbCommand, on, atOn, atOff);
}

// Lets a running discovery finish before the keyboard leaves the bus.
void waitForDiscovery() {
  LibraryState& library = state();
  std::unique_lock lock(library.EnumLock);
  library.EnumIdle.wait_for(lock, std::chrono::seconds(2), [&] { return !library.EnumBusy; });
}

}  // namespace

extern "C" {

DORVEL_API void BeepOn(int32_t on) {
  guarded([&] { SwitchCommand(0x0B, on, 0xE0, 0xE1); });
}

DORVEL_API void BeepKeyOn(int32_t on) {
  guarded([&] { SwitchCommand(0x02, on, 0xE5, 0xE6); });
}

DORVEL_API int32_t KeyboardOnOff(int32_t on) {
  return guarded(0, [&] { return UsbOnlyCommand(0x01, {Switch(on)}); });
}

DORVEL_API int32_t AutoRepeatOnOff(int32_t on) {
  return guarded(0, [&] { return UsbOnlyCommand(0x0A, {Switch(on)}); });
}

DORVEL_API int32_t ShowFirmCheckSum(int32_t on) {
  return guarded(0, [&] { return UsbOnlyCommand(0x05, {Switch(on)}); });
}

DORVEL_API void SetOpKey(int32_t on) {
  guarded([&] { captureSwitch(&LibraryState::OpKeyMode, 0x09, on, 0xEB, 0xEC); });
}

DORVEL_API void ReadOpKey(uint8_t* key) {
  guarded([&] {
    if (!key) return;
    std::lock_guard lock(state().LibraryLock);
    *key = state().OpKey;
  });
}

DORVEL_API void SetCard(int32_t on) {
  guarded([&] { captureSwitch(&LibraryState::CardMode, 0x20, on, 0xDE, 0xDF); });
}

DORVEL_API int32_t CardTrackOnOff(int32_t on, int32_t track) {
  return guarded(0, [&] {
    if (track < 1 || track > 3) return 0;
    return UsbOnlyCommand(static_cast<std::uint8_t>(0x20 + track), {Switch(on)});
  });
}

DORVEL_API uint8_t RawSendReport(int32_t count, const uint8_t* bytes) {
  return guarded(std::uint8_t{0}, [&]() -> std::uint8_t {
    if (count < 1 || count > 64 || !bytes || !UsbLinkUp()) return 0;
    Report report{};
    std::memcpy(report.data(), bytes, static_cast<std::size_t>(count));
    SendReport(report);
    return state().IsDorvelUsb == kUsbOn ? 1 : 0;
  });
}

DORVEL_API int32_t TxKbd(int32_t byte) {
  return guarded(0, [&] {
    const auto value = static_cast<std::uint8_t>(byte);
    if (UsbLinkUp()) return SendUsbCommand(0x18, {value});
    // Under the lock, so that its bytes never fall between a command's bytes.
    std::lock_guard lock(state().LibraryLock);
    return SendKbdByteAnswered(value);
  });
}

DORVEL_API void Reset(void) {
  guarded([] {
    LibraryState& library = state();
    velmar::platform::Clock& clock = velmar::platform::clock();
    {
      std::lock_guard lock(library.LibraryLock);
      // The 9x keyboard driver resets the keyboard itself when the library opens.
      if (library.PlatformNt != 'N' && library.FirstReset == 1) {
        library.FirstReset = 0;
        return;
      }
    }
    if (UsbLinkUp()) {
      waitForDiscovery();
      SendUsbCommand(0x0C, {'5'});
      clock.sleepMs(2000);
      clock.sleepMs(3000);
      library.IsDorvelUsb = 0;
      CloseHid();
    } else {
      SendCommandFramed({0xFF});
    }
    clock.sleepMs(2000);
  });
}

}  // extern "C"
