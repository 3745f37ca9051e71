#pragma once

#include <cstdint>

// The AT transport: single port reads and writes through the port driver, and the handshake
// that hands one byte to the keyboard through the keyboard controller.
namespace velmar::dorvel {

inline constexpr std::uint16_t kDataPort = 0x60;
inline constexpr std::uint16_t kStatusPort = 0x64;
inline constexpr std::uint8_t kOutputFull = 0x01;
inline constexpr std::uint8_t kInputFull = 0x02;
inline constexpr std::uint8_t kResend = 0xFE;

// 0xFF when no driver of this platform is open or the read fails.
std::uint8_t ReadPort(std::uint16_t port);
void WritePort(std::uint16_t port, std::uint8_t value);

// Whether a driver handle is open.
bool AtTransportOpen();

// Sends one byte with the short handshake of the commands; no result. Callers hold LibraryLock.
void SendKbdByte(std::uint8_t byte);

// Sends one byte with TxKbd's longer handshake and returns the keyboard's answer; 0, or -1
// after a failed attempt to open the NT driver, when no driver is open.
std::int32_t SendKbdByteAnswered(std::uint8_t byte);

// 0 opened at once, 1 opened after starting or installing the service, -1 not opened after
// installing, -2 not opened although the service started.
int OpenNtDriver();
// 0 opened, -1 not.
int Open9xDriver();
void CloseNtDriver();
void Close9xDriver();

}  // namespace velmar::dorvel
