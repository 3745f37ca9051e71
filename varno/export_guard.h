#pragma once

#include "platform/c_export.h"
#include "varno/varno_state.h"

namespace velmar::varno {

// Runs an export's body; see runExport.
template <typename Result, typename Body>
Result guarded(Result fallback, Body body) noexcept {
  return platform::runExport(state().LoadRefused, fallback, body);
}

template <typename Body>
void guarded(Body body) noexcept {
  platform::runExport(state().LoadRefused, body);
}

}  // namespace velmar::varno
