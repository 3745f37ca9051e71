#pragma once

// The body of a library's C export: no exception may reach a C caller, and a library whose load
// was refused (Linux cannot refuse it outright) does nothing.
namespace velmar::platform {

template <typename Result, typename Body>
Result runExport(bool inert, Result fallback, Body body) noexcept {
  try {
    return inert ? fallback : body();
  } catch (...) {
    return fallback;
  }
}

template <typename Body>
void runExport(bool inert, Body body) noexcept {
  try {
    if (!inert) body();
  } catch (...) {
  }
}

}  // namespace velmar::platform
