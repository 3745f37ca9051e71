#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "dorvel/usb_ids.h"
#include "platform/driver_host.h"
#include "platform/hid_bus.h"
#include "platform/keyboard_input.h"
#include "platform/named_mutex.h"

namespace velmar::dorvel {

inline constexpr std::uint8_t kUsbOn = 'U';
inline constexpr std::size_t kEchoRingSize = 1024;

// The queue of typed characters the echo worker shows on the display. It holds at most 1023.
struct EchoRing {
  std::mutex lock;  // excludes pushing and popping
  std::condition_variable filled;
  std::array<std::uint8_t, kEchoRingSize> characters{};
  std::size_t write = 0;
  std::size_t read = 0;
};

// The library's one state record. LibraryLock guards it, except the USB link fields, which
// report writes and discovery change without it: those are atomic, hidhandle has its own lock
// and the id tables belong to the running discovery (EnumBusy).
struct LibraryState {
  std::recursive_mutex LibraryLock;

  // Frame
  std::unique_ptr<platform::NamedMutex> MutexHandle;
  bool LoadRefused = false;  // the mutex could not be created: every export does nothing
  std::uint8_t Closed = 0;
  std::uint8_t FirstReset = 0;
  std::uint8_t PlatformNt = 0;
  std::uint8_t Platform9x = 0;

  // USB transport
  std::atomic<std::uint8_t> IsDorvelUsb = 0;
  std::atomic<std::uint8_t> UsbWasOn = 0;
  std::atomic<std::uint8_t> UsbRetries = 0;
  std::mutex HidHandleLock;
  std::shared_ptr<platform::HidDevice> hidhandle;
  std::atomic<std::size_t> HidCaps = 0;  // output report length of the open device
  std::array<std::int32_t, kIdEntries> VendorIds{};
  std::array<std::int32_t, kIdEntries> ProductIds{};
  std::mutex EnumLock;  // guards EnumBusy
  std::condition_variable EnumIdle;
  bool EnumBusy = false;  // a discovery runs
  std::atomic<std::uint8_t> ContaDebug = 0;

  // AT transport
  std::unique_ptr<platform::DriverDevice> DriverHandle;
  std::unique_ptr<platform::DriverDevice> VxdHandle;
  bool NtDriverFailed = false;  // the last attempt to open the NT driver failed

  // Commands
  std::uint8_t DisplayMode = 0;
  std::uint8_t CapsMode = 0;
  std::uint8_t LockLeds = 0;

  // Capture
  std::uint32_t McrMessage = 0;
  std::unique_ptr<platform::KeyboardHook> HookHandle;
  std::uint8_t CardMode = 0;
  std::uint8_t OpKeyMode = 0;
  std::uint8_t OpKey = 0;
  std::int32_t EchoOn = 0;
  std::int32_t EchoMask = 0;
  std::int32_t McrState = 0;
  std::int32_t McrIndex = 0;
  std::array<std::uint8_t, 400> McrBuffer{};
  std::array<std::uint8_t, 320> OpKeyBuffer{};
  std::uint8_t Shifted = 0;
  std::uint8_t ShiftLatched = 0;

  // The echo worker: one per process, from the first OpenDorvel to the unload.
  EchoRing Echo;
  std::thread EchoWorkerThread;
  bool EchoWorkerStop = false;  // guarded by Echo.lock
};

LibraryState& state();

}  // namespace velmar::dorvel
