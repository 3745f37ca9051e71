#pragma once

#include <cstdint>

// The keyboard controller reached through inpout32. Each function takes VarnoLock (it is
// re-entrant), so a caller holding it keeps its byte sequence whole.
namespace velmar::varno {

inline constexpr std::uint16_t kDataPort = 0x60;
inline constexpr std::uint16_t kStatusPort = 0x64;

// Whether the AT port may be used: the last OpenVarno found inpout32 whole and CloseVarno has
// not freed it since. Anything else sends nothing rather than call through a missing entry.
bool PortLibraryUsable();

// One port read (low byte) or write through inpout32; 0xFF read and nothing written while the
// library is not usable.
std::uint8_t PortIn(std::uint16_t port);
void PortOut(std::uint16_t port, std::uint8_t value);

// TxKbd's work: waits for the controller's input buffer to empty, writes the byte, then waits
// up to 5 ms for an answer. False, with nothing written, when the port is not usable or the
// buffer stayed full for the whole bound.
bool SendKbdByte(std::uint8_t value);

struct KbdAnswer {
  std::uint8_t byte = 0;
  bool answered = false;  // the output buffer filled within the wait
};

// RxKbd's work: waits up to 8 ms for the output buffer, then reads the data port whatever came.
// Nothing read (byte 0) when the port is not usable.
KbdAnswer ReceiveKbdByte();

}  // namespace velmar::varno
