#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

#include "platform/common/port_driver_device.h"
#include "platform/native/native_services.h"

namespace velmar::platform::native {
namespace {

bool opensReadWrite(const std::filesystem::path& device) {
  const int fd = ::open(device.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

// Device and service names compare without regard to case, as Windows compares them.
bool sameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The driver device owns its ports, so that it outlives the host that opened it.
class NtPortDevice final : public DriverDevice {
 public:
  explicit NtPortDevice(std::unique_ptr<PortIo> ports)
      : ports_(std::move(ports)), device_(makePortDriverDevice(*ports_, false)) {}

  bool control(std::uint32_t code, std::span<const std::uint8_t> in,
               std::span<std::uint8_t> out) override {
    return device_->control(code, in, out);
  }

 private:
  std::unique_ptr<PortIo> ports_;
  std::unique_ptr<DriverDevice> device_;
};

class KernelPortService final : public Service {
 public:
  explicit KernelPortService(std::filesystem::path portDevice)
      : portDevice_(std::move(portDevice)) {}

  bool start() override { return opensReadWrite(portDevice_); }
  bool stop() override { return true; }

 private:
  const std::filesystem::path portDevice_;
};

class KernelServiceManager final : public ServiceManager {
 public:
  explicit KernelServiceManager(std::filesystem::path portDevice)
      : portDevice_(std::move(portDevice)) {}

  std::unique_ptr<Service> openService(std::string_view name) override {
    if (!sameName(name, kDriverService)) return nullptr;
    return std::make_unique<KernelPortService>(portDevice_);
  }

  // The kernel's port access is always installed, so there is nothing to create.
  bool createService(std::string_view, std::string_view, std::string_view) override {
    return false;
  }

 private:
  const std::filesystem::path portDevice_;
};

class NativeDriverHost final : public DriverHost {
 public:
  NativeDriverHost(std::filesystem::path portDevice, std::filesystem::path systemDirectory)
      : portDevice_(std::move(portDevice)), systemDirectory_(std::move(systemDirectory)) {}

  std::unique_ptr<DriverDevice> openDevice(std::string_view name) override {
    if (!sameName(name, kNtDriverDevice) || !opensReadWrite(portDevice_)) return nullptr;
    return std::make_unique<NtPortDevice>(makePortIo(portDevice_));
  }

  ServiceManagerOpen openServiceManager(ServiceManagerAccess access) override {
    // Installing and starting drivers takes an administrator; on Linux that is root.
    if (access == ServiceManagerAccess::Full && ::geteuid() != 0) {
      return {.manager = nullptr, .accessDenied = true};
    }
    return {.manager = std::make_unique<KernelServiceManager>(portDevice_)};
  }

  std::string systemDirectory() override { return systemDirectory_.string(); }

 private:
  const std::filesystem::path portDevice_;
  const std::filesystem::path systemDirectory_;
};

}  // namespace

std::unique_ptr<DriverHost> makeDriverHost(const std::filesystem::path& portDevice,
                                           const std::filesystem::path& systemDirectory) {
  return std::make_unique<NativeDriverHost>(portDevice, systemDirectory);
}

}  // namespace velmar::platform::native
