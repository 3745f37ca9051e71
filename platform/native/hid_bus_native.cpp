#include <hidapi/hidapi.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/native/hid_report_descriptor.h"
#include "platform/native/hidraw_sysfs.h"
#include "platform/native/native_services.h"

namespace velmar::platform::native {
namespace {

// The kernel caps report descriptors at 4 KiB; anything far longer is not one.
constexpr std::streamsize kMaxDescriptorBytes = 64 * 1024;

std::optional<std::vector<std::uint8_t>> readSmallFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<char> bytes(kMaxDescriptorBytes);
  in.read(bytes.data(), kMaxDescriptorBytes);
  if (in.bad()) return std::nullopt;
  return std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + in.gcount());
}

bool initHidapi() {
  static const bool initialised = hid_init() == 0;
  return initialised;
}

class HidapiDevice final : public HidDevice {
 public:
  HidapiDevice(hid_device* device, HidAttributes attributes, std::size_t outputLength)
      : device_(device), attributes_(attributes), outputLength_(outputLength) {}
  ~HidapiDevice() override { hid_close(device_); }
  HidapiDevice(const HidapiDevice&) = delete;
  HidapiDevice& operator=(const HidapiDevice&) = delete;

  HidAttributes attributes() const override { return attributes_; }
  std::size_t outputReportLength() const override { return outputLength_; }

  bool write(std::span<const std::uint8_t> report) override {
    if (report.empty()) return false;
    std::lock_guard lock(mutex_);
    const int written = hid_write(device_, report.data(), report.size());
    return written >= 0 && static_cast<std::size_t>(written) == report.size();
  }

 private:
  hid_device* const device_;
  const HidAttributes attributes_;
  const std::size_t outputLength_;
  std::mutex mutex_;
};

class HidapiBus final : public HidBus {
 public:
  explicit HidapiBus(std::filesystem::path sysfsHidraw) : sysfsHidraw_(std::move(sysfsHidraw)) {}

  std::vector<HidDeviceInfo> enumerate() override {
    std::vector<HidDeviceInfo> devices;
    if (!initHidapi()) return devices;
    hid_device_info* const list = hid_enumerate(0, 0);
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
      if (info->path == nullptr) continue;
      devices.push_back({info->path, {info->vendor_id, info->product_id}});
    }
    hid_free_enumeration(list);
    return devices;
  }

  std::unique_ptr<HidDevice> open(const std::string& path) override {
    if (!initHidapi()) return nullptr;
    hid_device* const device = hid_open_path(path.c_str());
    if (device == nullptr) return nullptr;
    return std::make_unique<HidapiDevice>(device, attributesOf(device, path),
                                          hidrawOutputReportLength(sysfsHidraw_, path));
  }

 private:
  HidAttributes attributesOf(hid_device* device, const std::string& path) {
    if (const hid_device_info* info = hid_get_device_info(device)) {
      return {info->vendor_id, info->product_id};
    }
    for (const HidDeviceInfo& info : enumerate()) {
      if (info.path == path) return info.attributes;
    }
    return {};
  }

  const std::filesystem::path sysfsHidraw_;
};

}  // namespace

std::size_t hidrawOutputReportLength(const std::filesystem::path& sysfsHidraw,
                                     std::string_view devicePath) {
  const std::string name = std::filesystem::path(devicePath).filename().string();
  constexpr std::string_view kPrefix = "hidraw";
  if (!name.starts_with(kPrefix) || name.size() == kPrefix.size() ||
      !std::all_of(name.begin() + kPrefix.size(), name.end(),
                   [](char c) { return c >= '0' && c <= '9'; })) {
    return 0;
  }
  const auto descriptor = readSmallFile(sysfsHidraw / name / "device" / "report_descriptor");
  if (!descriptor) return 0;
  return outputReportLength(*descriptor).value_or(0);
}

std::unique_ptr<HidBus> makeHidBus(const std::filesystem::path& sysfsHidraw) {
  return std::make_unique<HidapiBus>(sysfsHidraw);
}

}  // namespace velmar::platform::native
