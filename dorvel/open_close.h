#pragma once

namespace velmar::dorvel {

// Closes the USB handle and the AT transport, each only when it is open.
void CloseAllDevices();

}  // namespace velmar::dorvel
