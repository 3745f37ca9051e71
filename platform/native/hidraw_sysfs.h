#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace velmar::platform::native {

// Output report length of a hidraw device such as "/dev/hidraw3", from the report descriptor
// the kernel publishes at <sysfsHidraw>/hidraw3/device/report_descriptor; 0 when that cannot be
// read or parsed, so that nothing is written to a device whose reports are unknown.
std::size_t hidrawOutputReportLength(const std::filesystem::path& sysfsHidraw,
                                     std::string_view devicePath);

}  // namespace velmar::platform::native
