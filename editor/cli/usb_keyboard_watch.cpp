#include "cli/usb_keyboard_watch.h"

#include <algorithm>

#include "dorvel/usb_ids.h"
#include "outside/ilvar/ilvar_protocol.h"
#include "platform/platform.h"

namespace lavrix::cli {

bool UsbKeyboardPresent() {
  std::array<std::int32_t, velmar::dorvel::kIdEntries> vendors{};
  std::array<std::int32_t, velmar::dorvel::kIdEntries> products{};
  velmar::dorvel::ReadUsbIds(vendors, products);
  try {
    return std::ranges::any_of(velmar::platform::hidBus().enumerate(), [&](const auto& device) {
      const velmar::platform::HidAttributes ids = device.attributes;
      return velmar::dorvel::MatchingIdEntry(vendors, products, ids).has_value() ||
             (ids.vendorId == velmar::ilvar::kVendorId &&
              ids.productId == velmar::ilvar::kProductId);
    });
  } catch (...) {
    // A listing that faulted finds nothing; the next look tries again.
    return false;
  }
}

}  // namespace lavrix::cli
