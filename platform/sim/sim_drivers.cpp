#include "platform/sim/sim_drivers.h"

#include "platform/common/port_driver_device.h"

namespace velmar::platform::sim {

class SimService final : public Service {
 public:
  explicit SimService(SimDriverHost& host) : host_(host) {}

  bool start() override {
    std::lock_guard lock(host_.mutex_);
    if (host_.fault_ == ServiceFault::StartFails || host_.running_) return false;
    host_.running_ = true;
    return true;
  }

  bool stop() override {
    std::lock_guard lock(host_.mutex_);
    if (!host_.running_) return false;
    host_.running_ = false;
    return true;
  }

 private:
  SimDriverHost& host_;
};

class SimServiceManager final : public ServiceManager {
 public:
  explicit SimServiceManager(SimDriverHost& host) : host_(host) {}

  std::unique_ptr<Service> openService(std::string_view name) override {
    std::lock_guard lock(host_.mutex_);
    if (name != kDriverService || !host_.installed_) return nullptr;
    return std::make_unique<SimService>(host_);
  }

  bool createService(std::string_view name, std::string_view, std::string_view) override {
    std::lock_guard lock(host_.mutex_);
    if (name != kDriverService || host_.installed_) return false;
    host_.installed_ = true;
    return true;
  }

 private:
  SimDriverHost& host_;
};

SimDriverHost::SimDriverHost(PortIo& ports, SettableOsVersion& os,
                             std::filesystem::path systemDirectory)
    : ports_(ports), os_(os), systemDirectory_(std::move(systemDirectory)) {}

std::unique_ptr<DriverDevice> SimDriverHost::openDevice(std::string_view name) {
  if (name == kNtDriverDevice) {
    std::lock_guard lock(mutex_);
    return running_ ? makePortDriverDevice(ports_, false) : nullptr;
  }
  if (name == k9xDriverDevice && os_.kind() == OsKind::Windows9x) {
    return makePortDriverDevice(ports_, true);
  }
  return nullptr;
}

ServiceManagerOpen SimDriverHost::openServiceManager(ServiceManagerAccess access) {
  std::lock_guard lock(mutex_);
  if (access == ServiceManagerAccess::Full && fault_ == ServiceFault::AccessDenied) {
    return {nullptr, true};
  }
  return {std::make_unique<SimServiceManager>(*this), false};
}

std::string SimDriverHost::systemDirectory() {
  std::error_code error;
  std::filesystem::create_directories(systemDirectory_ / "Drivers", error);
  return systemDirectory_.string();
}

void SimDriverHost::setFault(ServiceFault fault) {
  std::lock_guard lock(mutex_);
  fault_ = fault;
  installed_ = fault != ServiceFault::Absent;
  if (!installed_) running_ = false;
}

bool SimDriverHost::running() {
  std::lock_guard lock(mutex_);
  return running_;
}

}  // namespace velmar::platform::sim
