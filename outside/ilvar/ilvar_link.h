#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "platform/hid_bus.h"

namespace velmar::ilvar {

// The library's one state record: the keyboard it has open. `lock` serves the calls one at a
// time, so that a programming run is never interleaved with another.
struct IlvarState {
  std::mutex lock;
  std::unique_ptr<platform::HidDevice> device;  // null while no keyboard is open
  std::string path;                             // bus path of `device`
};

IlvarState& state();

// The functions below expect `state().lock` held.

// Closes what is open, then opens the first Ilvar keyboard on the bus and sends it the
// presence check; whether a keyboard is open now.
bool OpenFirstKeyboard();
// Whether the open keyboard is still on the bus (a keyboard is looked for when none is open).
bool KeyboardConnected();
void CloseKeyboard();
// Writes one report to the open keyboard; a failed write closes it.
bool SendReport(std::uint8_t command, std::span<const std::uint8_t> data = {});

}  // namespace velmar::ilvar
