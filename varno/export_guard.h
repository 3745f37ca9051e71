#pragma once

#include "varno/varno_state.h"

namespace velmar::varno {

// Runs an export's body; no exception reaches the C caller, and a library whose load was
// refused does nothing.
template <typename Result, typename Body>
Result guarded(Result fallback, Body body) noexcept {
  try {
    if (state().LoadRefused) return fallback;
    return body();
  } catch (...) {
    return fallback;
  }
}

template <typename Body>
void guarded(Body body) noexcept {
  try {
    if (!state().LoadRefused) body();
  } catch (...) {
  }
}

}  // namespace velmar::varno
