#pragma once

#include <filesystem>
#include <memory>

#include "platform/config_store.h"
#include "platform/driver_host.h"
#include "platform/hid_bus.h"
#include "platform/keyboard_input.h"
#include "platform/port_io.h"

// The Linux implementations of the services that reach hardware or the machine's files. Each
// fails cleanly, never crashing or hanging, when its device or permission is missing.
namespace velmar::platform::native {

// Ports through a port device file (the kernel's /dev/port: byte n is port n).
std::unique_ptr<PortIo> makePortIo(const std::filesystem::path& portDevice = "/dev/port");

// The port driver is the kernel's own port access: the "kbdorvel" service counts as installed
// and starts when the port device opens; the 9x driver never opens.
std::unique_ptr<DriverHost> makeDriverHost(
    const std::filesystem::path& portDevice = "/dev/port",
    const std::filesystem::path& systemDirectory = "/var/lib/velmar");

// HID through hidapi over hidraw; output report length from the report descriptor in sysfs.
std::unique_ptr<HidBus> makeHidBus(const std::filesystem::path& sysfsHidraw = "/sys/class/hidraw");

// One INI file per key below the root: "\SOFTWARE\VELMAR\Dorvel USB\1.0" is
// <root>/SOFTWARE/VELMAR/Dorvel USB/1.0.ini, holding lines "Vend=1234;".
std::unique_ptr<ConfigStore> makeConfigStore(const std::filesystem::path& root);

// Keyboard hooks read the evdev devices under the input directory that match their filter.
std::unique_ptr<KeyboardInput> makeKeyboardInput(
    const std::filesystem::path& inputDirectory = "/dev/input");

}  // namespace velmar::platform::native
