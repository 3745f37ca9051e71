#pragma once

#include <memory>

#include "platform/driver_host.h"
#include "platform/port_io.h"

namespace velmar::platform {

// A port driver device answering the read and write port controls on `ports`, with the NT
// driver's buffers or, when `nineXBuffers`, the 9x driver's.
std::unique_ptr<DriverDevice> makePortDriverDevice(PortIo& ports, bool nineXBuffers);

}  // namespace velmar::platform
