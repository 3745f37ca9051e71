#pragma once

#include "dorvel/dorvel_32.h"
#include "dorvel/library_state.h"
#include "platform/c_export.h"

namespace velmar::dorvel {

// Runs an export's body; see runExport.
template <typename Result, typename Body>
Result guarded(Result fallback, Body body) noexcept {
  return platform::runExport(state().LoadRefused, fallback, body);
}

template <typename Body>
void guarded(Body body) noexcept {
  platform::runExport(state().LoadRefused, body);
}

}  // namespace velmar::dorvel
