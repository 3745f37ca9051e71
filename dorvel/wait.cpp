#include "dorvel/wait.h"

#include "platform/platform.h"

namespace velmar::dorvel {

std::uint32_t WaitMs(std::uint32_t milliseconds) {
  platform::Clock& clock = platform::clock();
  const std::uint32_t start = clock.tickCount();
  for (int polls = 1;; ++polls) {
    const std::uint32_t elapsed = clock.tickCount() - start;
    if (elapsed >= milliseconds) return elapsed;
    if (polls % 11 == 0) clock.sleepMs(1);
  }
}

}  // namespace velmar::dorvel
