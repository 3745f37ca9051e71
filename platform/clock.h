#pragma once

#include <cstdint>
#include <ctime>

#include "platform/export.h"

namespace velmar::platform {

class VELMAR_PLATFORM_API Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps around at 2^32.
  virtual std::uint32_t tickCount() = 0;
  virtual void sleepMs(std::uint32_t milliseconds) = 0;
  // Local date and time of day (settable on the simulated platform).
  virtual std::tm localTime() = 0;
};

}  // namespace velmar::platform
