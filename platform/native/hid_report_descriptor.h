#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace velmar::platform::native {

// The longest output report of a HID report descriptor in bytes, report id byte included even
// when the descriptor numbers no reports (as the Windows HID stack counts it); 0 when the
// descriptor has no output items, nullopt when it is malformed.
std::optional<std::size_t> outputReportLength(std::span<const std::uint8_t> descriptor);

}  // namespace velmar::platform::native
