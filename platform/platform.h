#pragma once

#include "platform/clock.h"
#include "platform/config_store.h"
#include "platform/driver_host.h"
#include "platform/dynamic_libraries.h"
#include "platform/export.h"
#include "platform/hid_bus.h"
#include "platform/keyboard_input.h"
#include "platform/message_boxes.h"
#include "platform/message_hooks.h"
#include "platform/named_mutex.h"
#include "platform/os_version.h"
#include "platform/port_io.h"
#include "platform/window_messages.h"

// The operating system services of the libraries and the editor. The set is chosen once per
// process: simulated when VELMAR_PLATFORM=sim, native otherwise. The services live as long as
// the process, so they may be used from any library's load and unload handling.
namespace velmar::platform {

VELMAR_PLATFORM_API bool isSimulated();

VELMAR_PLATFORM_API PortIo& ports();
VELMAR_PLATFORM_API DriverHost& drivers();
VELMAR_PLATFORM_API HidBus& hidBus();
VELMAR_PLATFORM_API ConfigStore& config();
VELMAR_PLATFORM_API KeyboardInput& keyboard();
VELMAR_PLATFORM_API MessageHooks& messageHooks();
VELMAR_PLATFORM_API WindowMessages& windowMessages();
VELMAR_PLATFORM_API MessageBoxes& messageBoxes();
VELMAR_PLATFORM_API NamedMutexes& mutexes();
VELMAR_PLATFORM_API OsVersion& osVersion();
VELMAR_PLATFORM_API Clock& clock();
VELMAR_PLATFORM_API DynamicLibraries& libraries();

}  // namespace velmar::platform
