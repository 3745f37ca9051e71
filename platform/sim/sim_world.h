#pragma once

#include <filesystem>

#include "platform/common/os_version.h"
#include "platform/sim/sim_config_store.h"
#include "platform/sim/sim_devices.h"
#include "platform/sim/sim_drivers.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_keyboard_input.h"

namespace velmar::platform::sim {

class SimPorts final : public PortIo {
 public:
  explicit SimPorts(SimDevices& devices) : devices_(devices) {}
  std::optional<std::uint8_t> read(std::uint16_t port) override { return devices_.readPort(port); }
  bool write(std::uint16_t port, std::uint8_t value) override {
    devices_.writePort(port, value);
    return true;
  }

 private:
  SimDevices& devices_;
};

class SimHidBus final : public HidBus {
 public:
  explicit SimHidBus(SimDevices& devices) : devices_(devices) {}
  std::vector<HidDeviceInfo> enumerate() override { return devices_.enumerate(); }
  std::unique_ptr<HidDevice> open(const std::string& path) override { return devices_.open(path); }

 private:
  SimDevices& devices_;
};

// The simulated machine: its keyboards, its controller, its driver service and registry.
struct World {
  // `directory` is VELMAR_SIM_DIR (empty for none), `devices` VELMAR_SIM_DEVICES.
  World(const std::filesystem::path& directory, std::string_view devices, SettableOsVersion& os);

  SimFiles files;
  SimDevices devices;
  SimPorts ports;
  SimHidBus hid;
  SimDriverHost drivers;
  SimConfigStore config;
  SimKeyboardInput keyboard;
};

}  // namespace velmar::platform::sim
