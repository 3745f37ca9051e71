#pragma once

#include <cstdint>

#include "core/editor_state.h"

namespace lavrix {

// Returns once `seconds` have passed by the clock's time of day, midnight included. Meanwhile the
// window's events go on, so other handlers may run; the wait itself sleeps between checks.
void WaitSeconds(EditorState& state, std::int32_t seconds);

}  // namespace lavrix
