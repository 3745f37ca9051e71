#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::sim {

enum class DeviceKind { UsbDorvel, UsbIlvar, AtDorvel };

struct DeviceName {
  DeviceKind kind;
  std::uint16_t vendorId = 0;   // USB only
  std::uint16_t productId = 0;  // USB only
  std::string name;             // as given: "usb-dorvel", "usb-dorvel:abcd:0001", "at-dorvel"
  std::string fileTag;          // for file names: ':' replaced by '-'
};

// Parses one device name; nullopt when it names no virtual keyboard.
std::optional<DeviceName> parseDeviceName(std::string_view text);

// Splits a comma-separated VELMAR_SIM_DEVICES value; "none" and blanks give no names.
std::vector<std::string> splitDeviceList(std::string_view list);

}  // namespace velmar::sim
