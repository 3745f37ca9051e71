#pragma once

#include <cstdint>

#include "core/editor_state.h"

namespace lavrix {

inline constexpr std::int32_t kSecondsPerDay = 86400;

// The clock arithmetic of WaitSeconds, apart from the event loop that runs between checks.
// Times are seconds since midnight, as the time of day gives them.
class SecondsWait {
 public:
  // Starts the wait; one already running (a wait nested in its events) lends its start.
  SecondsWait(EditorState& state, std::int32_t seconds, std::int32_t now);
  // Ends the wait: WaitStart is empty again, so the next wait lasts its full time.
  ~SecondsWait();
  SecondsWait(const SecondsWait&) = delete;
  SecondsWait& operator=(const SecondsWait&) = delete;

  // Whether the seconds have passed by `now`, the clock having perhaps passed midnight.
  bool IsOver(std::int32_t now);

 private:
  EditorState& state_;
  std::int32_t seconds_;
  std::int32_t start_;
};

}  // namespace lavrix
