#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace velmar::platform {

// I/O controls of the port driver devices: read one port byte, write one port byte.
inline constexpr std::uint32_t kIoctlReadPort = 0x9C402004;
inline constexpr std::uint32_t kIoctlWritePort = 0x9C402008;

// Device names of the port drivers: the NT service's device and the 9x driver.
inline constexpr std::string_view kNtDriverDevice = "\\\\.\\kbdorvel";
inline constexpr std::string_view k9xDriverDevice = "\\\\.\\KBDORVEL.VXD";
inline constexpr std::string_view kDriverService = "kbdorvel";

// An open port driver device; closed when destroyed.
class VELMAR_PLATFORM_API DriverDevice {
 public:
  virtual ~DriverDevice() = default;
  // One device I/O control with its input and output buffers; false when the driver refused it.
  // The NT device takes {port lo, port hi} / {port lo, port hi, value}; the 9x device takes
  // {port lo, port hi} / {port lo, value, value} and echoes the write buffer into `out`.
  virtual bool control(std::uint32_t code, std::span<const std::uint8_t> in,
                       std::span<std::uint8_t> out) = 0;
};

// A service opened from the service manager; its handle is closed when destroyed.
class VELMAR_PLATFORM_API Service {
 public:
  virtual ~Service() = default;
  virtual bool start() = 0;
  virtual bool stop() = 0;
};

class VELMAR_PLATFORM_API ServiceManager {
 public:
  virtual ~ServiceManager() = default;
  // The installed service of that name, or nullptr when there is none or it cannot be opened.
  virtual std::unique_ptr<Service> openService(std::string_view name) = 0;
  // Installs a kernel driver service started at system start; false when it cannot be created
  // (an existing service of that name included).
  virtual bool createService(std::string_view name, std::string_view displayName,
                             std::string_view binaryPath) = 0;
};

enum class ServiceManagerAccess { Full, ReadOnly };

struct ServiceManagerOpen {
  std::unique_ptr<ServiceManager> manager;  // nullptr when it did not open
  bool accessDenied = false;                // why it did not open: rights, or anything else
};

// The kernel port driver and the service manager that installs and starts it.
class VELMAR_PLATFORM_API DriverHost {
 public:
  virtual ~DriverHost() = default;
  // Opens a driver device by its name; nullptr when it is not there or cannot be opened.
  virtual std::unique_ptr<DriverDevice> openDevice(std::string_view name) = 0;
  virtual ServiceManagerOpen openServiceManager(ServiceManagerAccess access) = 0;
  // Directory whose "Drivers" folder receives an installed driver file.
  virtual std::string systemDirectory() = 0;
};

}  // namespace velmar::platform
