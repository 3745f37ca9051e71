#include "platform/common/clock.h"

#include <chrono>
#include <thread>

namespace velmar::platform {

std::uint32_t SettableClock::tickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SettableClock::sleepMs(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::tm SettableClock::localTime() {
  const std::time_t now = std::time(nullptr) + offsetSeconds_.load();
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

void SettableClock::setTimeOfDay(int hour, int minute, int second) {
  offsetSeconds_ = 0;
  const std::tm now = localTime();
  const long long current = now.tm_hour * 3600LL + now.tm_min * 60LL + now.tm_sec;
  offsetSeconds_ = hour * 3600LL + minute * 60LL + second - current;
}

}  // namespace velmar::platform
