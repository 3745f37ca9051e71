#pragma once

#include <filesystem>
#include <mutex>

#include "platform/common/os_version.h"
#include "platform/driver_host.h"
#include "platform/port_io.h"

namespace velmar::platform::sim {

enum class ServiceFault { None, Absent, AccessDenied, StartFails };

// The port driver service and its devices. The NT device opens while the service runs; the 9x
// device opens when the simulated system is of the 9x family.
class SimDriverHost final : public DriverHost {
 public:
  SimDriverHost(PortIo& ports, SettableOsVersion& os, std::filesystem::path systemDirectory);

  std::unique_ptr<DriverDevice> openDevice(std::string_view name) override;
  ServiceManagerOpen openServiceManager(ServiceManagerAccess access) override;
  std::string systemDirectory() override;

  void setFault(ServiceFault fault);
  bool running();

 private:
  friend class SimServiceManager;
  friend class SimService;

  PortIo& ports_;
  SettableOsVersion& os_;
  const std::filesystem::path systemDirectory_;
  std::mutex mutex_;
  ServiceFault fault_ = ServiceFault::None;
  bool installed_ = true;
  bool running_ = false;
};

}  // namespace velmar::platform::sim
