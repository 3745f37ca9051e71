#pragma once

#include <chrono>
#include <cstdint>
#include <list>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/hid_bus.h"
#include "platform/sim/sim_files.h"
#include "sim/at_dorvel_keyboard.h"
#include "sim/device_name.h"
#include "sim/keyboard_controller.h"
#include "sim/usb_dorvel_keyboard.h"
#include "sim/usb_ilvar_keyboard.h"

namespace velmar::platform::sim {

// The virtual keyboards plugged into the simulated machine: USB ones on the HID bus, at most
// one AT keyboard behind the keyboard controller.
class SimDevices {
 public:
  explicit SimDevices(SimFiles& files);

  bool attach(std::string_view name);
  bool detach(std::string_view name);

  // HID bus side. Paths are "sim:<device name>". A listing first carries out the plug lines
  // appended to plug.txt since the last one.
  std::vector<HidDeviceInfo> enumerate();
  std::unique_ptr<HidDevice> open(const std::string& path);

  // Keyboard controller side.
  std::uint8_t readPort(std::uint16_t port);
  void writePort(std::uint16_t port, std::uint8_t value);

  // Control.
  bool eeprom(std::string_view name, std::span<std::uint8_t, 512> out);
  std::optional<std::vector<std::uint8_t>> traffic(std::string_view name);
  bool clearTraffic(std::string_view name);
  bool failWrites(std::string_view name, int count);
  bool failEnumerations(int count);
  std::optional<std::string> state(std::string_view name);
  std::string display();
  bool setAtSilent(bool silent);
  bool requestAtResends(int count);
  bool setControllerBusy(int reads);

 private:
  using Clock = std::chrono::steady_clock;
  using Keyboard = std::variant<velmar::sim::UsbDorvelKeyboard, velmar::sim::UsbIlvarKeyboard,
                                velmar::sim::AtDorvelKeyboard>;

  struct Slot {
    velmar::sim::DeviceName name;
    Keyboard keyboard;
    std::uint64_t generation = 0;  // handles of an earlier plug-in fail
    int failingWrites = 0;
    Clock::time_point absentUntil{};  // off the bus while it restarts
    std::vector<std::uint8_t> traffic;
  };

  friend class SimHidDevice;
  bool writeReport(const std::string& name, std::uint64_t generation,
                   std::span<const std::uint8_t> report);
  void keyboardPort(std::uint8_t byte, std::vector<std::uint8_t>& answers);

  void applyPlugLines();
  Slot* find(std::string_view name);
  Slot* atSlot();
  bool present(const Slot& slot) const;
  void record(Slot& slot, std::span<const std::uint8_t> bytes);
  void afterChanges(Slot& slot, const velmar::sim::DeviceChanges& changes);
  static const velmar::sim::CharacterDisplay* displayOf(const Slot& slot);

  SimFiles& files_;
  std::mutex plugMutex_;  // one listing at a time takes and applies plug lines, so they keep order
  std::mutex mutex_;
  std::list<Slot> slots_;  // in the order plugged in
  std::uint64_t nextGeneration_ = 1;
  int failingEnumerations_ = 0;
  std::string displaySource_;  // the keyboard whose display changed last
  velmar::sim::KeyboardController controller_;
};

}  // namespace velmar::platform::sim
