#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/export.h"

namespace velmar::platform {

struct HidAttributes {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
};

struct HidDeviceInfo {
  std::string path;
  HidAttributes attributes;
};

// An open HID interface; closed when destroyed. Safe to write from several threads at once.
class VELMAR_PLATFORM_API HidDevice {
 public:
  virtual ~HidDevice() = default;
  virtual HidAttributes attributes() const = 0;
  // Output report length in bytes, report id byte included (0 when the device has none).
  virtual std::size_t outputReportLength() const = 0;
  // Writes one output report whole (byte 0 is the report id); false when it was not written.
  virtual bool write(std::span<const std::uint8_t> report) = 0;
};

class VELMAR_PLATFORM_API HidBus {
 public:
  virtual ~HidBus() = default;
  // The HID interfaces present now. May throw when the system call faults.
  virtual std::vector<HidDeviceInfo> enumerate() = 0;
  // Opens one interface for reading and writing; nullptr when it cannot be opened.
  virtual std::unique_ptr<HidDevice> open(const std::string& path) = 0;
};

}  // namespace velmar::platform
