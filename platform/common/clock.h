#pragma once

#include <atomic>

#include "platform/clock.h"

namespace velmar::platform {

// Steady ticks and the system's local time, shifted by an offset the simulated platform sets.
class SettableClock final : public Clock {
 public:
  std::uint32_t tickCount() override;
  void sleepMs(std::uint32_t milliseconds) override;
  std::tm localTime() override;
  // From now on the time of day reads as given and runs on from there.
  void setTimeOfDay(int hour, int minute, int second);

 private:
  std::atomic<long long> offsetSeconds_{0};
};

}  // namespace velmar::platform
