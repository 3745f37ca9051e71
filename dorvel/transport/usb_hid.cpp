#include "dorvel/transport/usb_hid.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "dorvel/debug_log.h"
#include "dorvel/usb_ids.h"
#include "platform/platform.h"

namespace velmar::dorvel {
namespace {

constexpr std::uint32_t kProbeWaitMs = 10;
constexpr std::chrono::milliseconds kDiscoveryWaitBound{2000};
constexpr std::uint8_t kLostProbesBeforeNoLink = 10;
constexpr std::uint8_t kNoLinkProbes = 30;

std::shared_ptr<platform::HidDevice> currentHandle() {
  LibraryState& library = state();
  std::lock_guard lock(library.HidHandleLock);
  return library.hidhandle;
}

void setHandle(std::shared_ptr<platform::HidDevice> device) {
  LibraryState& library = state();
  std::lock_guard lock(library.HidHandleLock);
  library.hidhandle = std::move(device);
}

bool writeReport(platform::HidDevice& device, const Report& report) {
  const std::size_t length = std::min(state().HidCaps.load(), report.size());
  return device.write(std::span(report.data(), length));
}

// One discovery at a time; a discovery that waited its full bound for another gives up and
// leaves the link as that one finds it.
class DiscoveryTurn {
 public:
  DiscoveryTurn() : library_(state()) {
    std::unique_lock lock(library_.EnumLock);
    owned_ =
        library_.EnumIdle.wait_for(lock, kDiscoveryWaitBound, [&] { return !library_.EnumBusy; });
    if (owned_) library_.EnumBusy = true;
  }
  ~DiscoveryTurn() {
    if (!owned_) return;
    {
      std::lock_guard lock(library_.EnumLock);
      library_.EnumBusy = false;
    }
    library_.EnumIdle.notify_all();
  }
  bool owned() const { return owned_; }

 private:
  LibraryState& library_;
  bool owned_ = false;
};

}  // namespace

Report MakeReport(std::uint8_t command, std::span<const std::uint8_t> data) {
  Report report{};
  const std::size_t length = std::min(data.size(), kReportDataMax);
  report[1] = command;
  report[2] = static_cast<std::uint8_t>(length);
  std::copy_n(data.begin(), length, report.begin() + 3);
  return report;
}

bool UsbLinkUp() {
  LibraryState& library = state();
  if (library.IsDorvelUsb == kUsbOn) return true;
  if (library.UsbWasOn == kUsbOn) {
    VerificaSeEhUSBHID();
    if (library.IsDorvelUsb == kUsbOn) {
      library.UsbWasOn = kUsbOn;
      library.UsbRetries = 0;
      return true;
    }
    if (++library.UsbRetries > kLostProbesBeforeNoLink) {
      library.UsbWasOn = 0;
      library.UsbRetries = 0;
    }
    return false;
  }
  if (library.UsbRetries < kNoLinkProbes) {
    VerificaSeEhUSBHID();
    if (library.IsDorvelUsb == kUsbOn) {
      library.UsbWasOn = kUsbOn;
      ++library.UsbRetries;
      return true;
    }
    library.UsbWasOn = 0;
  }
  return false;
}

void VerificaSeEhUSBHID() {
  LibraryState& library = state();
  platform::clock().sleepMs(kProbeWaitMs);
  DiscoveryTurn turn;
  if (!turn.owned()) return;
  ReadUsbIds(library.VendorIds, library.ProductIds);
  if (FindHidDevice(kIdEntries, library.VendorIds, library.ProductIds, library.HidCaps) == -1) {
    library.IsDorvelUsb = 0;
    DebugLog("VerificaSeEhUSBHID = 0\n");
  } else {
    library.IsDorvelUsb = kUsbOn;
    DebugLog("VerificaSeEhUSBHID = 85\n");
  }
}

int FindHidDevice(int entries, const std::array<std::int32_t, kIdEntries>& vendorIds,
                  const std::array<std::int32_t, kIdEntries>& productIds,
                  std::atomic<std::size_t>& caps) {
  LibraryState& library = state();
  std::atomic<std::uint8_t>& step = library.ContaDebug;
  std::size_t memberIndex = 0;
  platform::HidAttributes attributes;
  std::size_t detailLength = 0;
  try {
    // Step markers of the fault log: 1 listing the devices, 8 opening one, 10 reading its ids,
    // 131 its capabilities, 135 keeping it, 14 closing one that does not match, 16 moving on.
    step = 1;
    const std::vector<platform::HidDeviceInfo> devices = platform::hidBus().enumerate();
    step = 2;
    for (; memberIndex < devices.size(); ++memberIndex) {
      const platform::HidDeviceInfo& info = devices[memberIndex];
      detailLength = info.path.size() + 1;
      step = 8;
      std::shared_ptr<platform::HidDevice> device = platform::hidBus().open(info.path);
      if (device) {
        step = 10;
        attributes = device->attributes();
        step = 12;
        const auto entry = MatchingIdEntry(vendorIds, productIds, attributes);
        if (entry && static_cast<int>(*entry) < entries) {
          step = 131;
          caps = device->outputReportLength();
          step = 135;
          setHandle(std::move(device));
          step = 136;
          DebugLog("Achei VID e PID!!!!\n");
          return static_cast<int>(*entry);
        }
        step = 14;
      }
      step = 16;
    }
    setHandle(nullptr);
    return -1;
  } catch (...) {
    DebugLogFormat("MemberIndex = %d, ContaDebug = %d, VID = 0x%4x, PID = 0x%0x, Length = %d\n",
                   static_cast<int>(memberIndex), static_cast<int>(step.load()),
                   attributes.vendorId, attributes.productId, static_cast<int>(detailLength));
    DebugLog("\n");
    DebugLog("#######################################################################\n");
    return -1;
  }
}

int HIDEnviaPacote(const Report& report) {
  LibraryState& library = state();
  DebugLog("Inicio da funcao HIDEnviaPacote\n");
  std::shared_ptr<platform::HidDevice> device = currentHandle();
  if (device) {
    if (writeReport(*device, report)) {
      library.IsDorvelUsb = kUsbOn;
      return 0;
    }
    DebugLog("WriteFile retornou 0\n");
    CloseHid();
    library.IsDorvelUsb = 0;
    VerificaSeEhUSBHID();
    device = currentHandle();
    if (library.IsDorvelUsb != kUsbOn || !device) return -1;
    DebugLog("hidhandle Não é NULO\n");
    if (writeReport(*device, report)) {
      DebugLog("WriteFile retornou != 0; ISDORVELUSB <= 85; Funcao retorna 0\n");
      library.IsDorvelUsb = kUsbOn;
      return 0;
    }
    DebugLog("WriteFile retornou 0; ISDORVELUSB <= 0; Funcao retorna -1\n");
    library.IsDorvelUsb = 0;
    return -1;
  }
  DebugLog("hidhandle É NULO Já de Cara\n");
  library.IsDorvelUsb = 0;
  VerificaSeEhUSBHID();
  device = currentHandle();
  if (library.IsDorvelUsb != kUsbOn || !device) return -1;
  if (writeReport(*device, report)) {
    library.IsDorvelUsb = kUsbOn;
    return 0;
  }
  library.IsDorvelUsb = 0;
  return -1;
}

int SendReport(const Report& report) {
  const int result = HIDEnviaPacote(report);
  if (result == -1) state().IsDorvelUsb = 0;
  return result;
}

void CloseHid() {
  setHandle(nullptr);
}

}  // namespace velmar::dorvel
