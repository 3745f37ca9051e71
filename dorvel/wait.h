#pragma once

#include <cstdint>

namespace velmar::dorvel {

// Waits at least `milliseconds` by polling the tick count, sleeping 1 ms after every 11 polls,
// so that short waits end close to their target. Returns the milliseconds waited.
std::uint32_t WaitMs(std::uint32_t milliseconds);

}  // namespace velmar::dorvel
