#include "outside/ilvar/ilvar_link.h"

#include <algorithm>
#include <array>

#include "outside/ilvar/ilvar_protocol.h"
#include "platform/platform.h"

namespace velmar::ilvar {
namespace {

constexpr std::size_t kCommandByte = 1;
constexpr std::size_t kDataStart = 2;

bool isIlvar(const platform::HidDeviceInfo& info) {
  return info.attributes.vendorId == kVendorId && info.attributes.productId == kProductId;
}

// Built while the library loads, so it outlives the libraries that close it at their unload.
IlvarState library;

}  // namespace

IlvarState& state() {
  return library;
}

bool OpenFirstKeyboard() {
  IlvarState& ilvar = state();
  CloseKeyboard();
  for (const platform::HidDeviceInfo& info : platform::hidBus().enumerate()) {
    if (!isIlvar(info)) continue;
    ilvar.device = platform::hidBus().open(info.path);
    if (!ilvar.device) continue;
    ilvar.path = info.path;
    if (SendReport(kPresence)) return true;
  }
  return false;
}

bool KeyboardConnected() {
  IlvarState& ilvar = state();
  if (!ilvar.device) return OpenFirstKeyboard();
  const auto devices = platform::hidBus().enumerate();
  const bool listed = std::ranges::any_of(devices, [&](const platform::HidDeviceInfo& info) {
    return info.path == ilvar.path && isIlvar(info);
  });
  return listed || OpenFirstKeyboard();
}

void CloseKeyboard() {
  IlvarState& ilvar = state();
  ilvar.device.reset();
  ilvar.path.clear();
}

bool SendReport(std::uint8_t command, std::span<const std::uint8_t> data) {
  IlvarState& ilvar = state();
  if (!ilvar.device) return false;
  std::array<std::uint8_t, kReportLength> report{};
  report[kCommandByte] = command;
  std::copy_n(data.begin(), std::min(data.size(), kReportLength - kDataStart),
              report.begin() + kDataStart);
  if (ilvar.device->write(report)) return true;
  CloseKeyboard();
  return false;
}

}  // namespace velmar::ilvar
