#include "sim/device_name.h"

#include <algorithm>
#include <array>

#include "outside/ilvar/ilvar_protocol.h"

namespace velmar::sim {
namespace {

struct KnownDevice {
  std::string_view name;
  DeviceKind kind;
  std::uint16_t vendorId;
  std::uint16_t productId;
};

constexpr std::array kKnownDevices = std::to_array<KnownDevice>({
    {"usb-dorvel", DeviceKind::UsbDorvel, 0x1753, 0x0101},
    {"usb-ilvar", DeviceKind::UsbIlvar, ilvar::kVendorId, ilvar::kProductId},
    {"at-dorvel", DeviceKind::AtDorvel, 0, 0},
});

constexpr std::size_t kMaxHexDigits = 4;

std::optional<std::uint16_t> parseHexId(std::string_view text) {
  if (text.empty() || text.size() > kMaxHexDigits) return std::nullopt;
  std::uint16_t value = 0;
  for (char ch : text) {
    int digit;
    if (ch >= '0' && ch <= '9') {
      digit = ch - '0';
    } else if (ch >= 'a' && ch <= 'f') {
      digit = ch - 'a' + 10;
    } else if (ch >= 'A' && ch <= 'F') {
      digit = ch - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = static_cast<std::uint16_t>(value << 4 | digit);
  }
  return value;
}

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::optional<DeviceName> parseDeviceName(std::string_view text) {
  const std::string_view base = text.substr(0, text.find(':'));
  const auto known = std::find_if(kKnownDevices.begin(), kKnownDevices.end(),
                                  [&](const KnownDevice& device) { return device.name == base; });
  if (known == kKnownDevices.end()) return std::nullopt;
  DeviceName device{.kind = known->kind,
                    .vendorId = known->vendorId,
                    .productId = known->productId,
                    .name = std::string(text),
                    .fileTag = std::string(text)};
  std::replace(device.fileTag.begin(), device.fileTag.end(), ':', '-');
  if (base.size() == text.size()) return device;

  // Only a USB keyboard carries ids: ":vendor:product".
  if (known->kind == DeviceKind::AtDorvel) return std::nullopt;
  const std::string_view ids = text.substr(base.size() + 1);
  const std::size_t colon = ids.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto vendorId = parseHexId(ids.substr(0, colon));
  const auto productId = parseHexId(ids.substr(colon + 1));
  if (!vendorId || !productId) return std::nullopt;
  device.vendorId = *vendorId;
  device.productId = *productId;
  return device;
}

std::vector<std::string> splitDeviceList(std::string_view list) {
  std::vector<std::string> names;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view item = trimmed(list.substr(0, comma));
    if (!item.empty() && item != "none") names.emplace_back(item);
    if (comma == std::string_view::npos) return names;
    list.remove_prefix(comma + 1);
  }
}

}  // namespace velmar::sim
