#include "dorvel/open_close.h"

#include "dorvel/capture.h"
#include "dorvel/echo.h"
#include "dorvel/export_guard.h"
#include "dorvel/transport/at_port.h"
#include "dorvel/transport/usb_hid.h"
#include "dorvel/wait.h"
#include "platform/platform.h"

namespace velmar::dorvel {
namespace {

constexpr std::uint32_t kSettleMs = 500;

// Probes USB and remembers whether the link was up, then lets the keyboard settle.
void probeUsb() {
  LibraryState& library = state();
  VerificaSeEhUSBHID();
  library.UsbWasOn = library.IsDorvelUsb == kUsbOn ? kUsbOn : 0;
  platform::clock().sleepMs(kSettleMs);
}

// Sends the empty report that tells the keyboard the library is there.
void greetKeyboard() {
  SendReport(MakeReport(0x00));
}

}  // namespace

void CloseAllDevices() {
  CloseHid();
  CloseNtDriver();
  Close9xDriver();
}

}  // namespace velmar::dorvel

using namespace velmar::dorvel;
using velmar::platform::kPlatformWindows9x;
using velmar::platform::kPlatformWindowsNt;

extern "C" {

DORVEL_API int32_t OpenDorvel(void) {
  return guarded(0, [] {
    LibraryState& library = state();
    {
      std::lock_guard lock(library.LibraryLock);
      library.DriverHandle.reset();
      library.VxdHandle.reset();
      CloseHid();
      library.FirstReset = 1;
      library.McrMessage =
          velmar::platform::windowMessages().registerMessage("DORVEL - MCR Message");
      library.PlatformNt = 0;
      library.Platform9x = 0;
      const std::optional<std::uint32_t> platform = velmar::platform::osVersion().platformId();
      if (platform == kPlatformWindows9x) {
        library.Platform9x = 'b';
      } else if (platform == kPlatformWindowsNt) {
        library.PlatformNt = 'N';
      } else {
        return 0;
      }
      InstallKeyboardHook(false);
      library.UsbRetries = 0;
      probeUsb();
      if (UsbLinkUp()) {
        greetKeyboard();
      } else {
        probeUsb();
        if (UsbLinkUp()) greetKeyboard();
      }
      if (library.IsDorvelUsb == 0) VerificaSeEhUSBHID();
      if (library.IsDorvelUsb == kUsbOn) {
        library.UsbWasOn = kUsbOn;
      } else {
        library.UsbWasOn = 0;
        if (library.PlatformNt) {
          OpenNtDriver();
        } else {
          Open9xDriver();
        }
        InstallKeyboardHook(true);  // the keyboard now types through the PC's keyboard port
      }
      library.McrState = 0;
      library.Shifted = 0;
      library.ShiftLatched = 0;
      EmptyEchoQueue();
      library.Closed = 0;
    }
    StartEchoWorker();
    return 0;
  });
}

DORVEL_API uint32_t CloseDorvel(void) {
  return guarded(0u, [] {
    LibraryState& library = state();
    {
      std::lock_guard lock(library.LibraryLock);
      library.HookHandle.reset();
      library.Closed = 1;
    }
    CloseAllDevices();
    return WaitMs(300);
  });
}

DORVEL_API uint8_t IsDorvelUsbOn(void) {
  return guarded(std::uint8_t{0}, [] { return static_cast<std::uint8_t>(UsbLinkUp()); });
}

}  // extern "C"
