#pragma once

#include <array>
#include <cstdint>

#include "varno/varno_state.h"

// Varno's side of the two device libraries, dorvel_32 and Ilvar. None of these takes VarnoLock.
namespace velmar::varno {

enum class Transport { DorvelUsb, IlvarUsb, At };

// Asked anew at every block and end of a write: a keyboard plugged in or out during a write
// moves the following calls.
Transport ChooseTransport();

void OpenDeviceLibraries();
void CloseDeviceLibraries();

// Programs the image (its first 511 bytes) through the library of a USB transport; whether
// the keyboard took it.
bool ProgramUsbKeyboard(Transport transport, const std::array<std::uint8_t, kImageSize>& image);

}  // namespace velmar::varno
