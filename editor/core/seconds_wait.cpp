#include "core/seconds_wait.h"

namespace lavrix {

SecondsWait::SecondsWait(EditorState& state, std::int32_t seconds, std::int32_t now)
    : state_(state), seconds_(seconds) {
  if (!state_.WaitStart) state_.WaitStart = now;
  start_ = *state_.WaitStart;
}

SecondsWait::~SecondsWait() {
  state_.WaitStart.reset();
}

bool SecondsWait::IsOver(std::int32_t now) {
  // A nested wait that ended has cleared the shared start; this wait keeps its own.
  if (!state_.WaitStart) state_.WaitStart = start_;
  std::int64_t elapsed = static_cast<std::int64_t>(now) - *state_.WaitStart;
  if (elapsed < 0) {
    *state_.WaitStart -= kSecondsPerDay;
    elapsed += kSecondsPerDay;
  }
  start_ = *state_.WaitStart;
  return elapsed >= seconds_;
}

}  // namespace lavrix
