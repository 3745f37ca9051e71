#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "dorvel/transport/usb_hid.h"

// The two ways a command goes out: one USB report, or a few AT bytes in their framing.
namespace velmar::dorvel {

// 1 for any non-zero argument.
inline std::uint8_t Switch(std::int32_t on) {
  return on != 0 ? 1 : 0;
}

// Sends one report; 1 when it was written, else 0 (and the link is marked down).
std::int32_t SendUsbCommand(std::uint8_t command, std::span<const std::uint8_t> data);
inline std::int32_t SendUsbCommand(std::uint8_t command,
                                   std::initializer_list<std::uint8_t> data = {}) {
  return SendUsbCommand(command, std::span(data.begin(), data.size()));
}

// A command that exists only over USB: 0 at once without the link.
std::int32_t UsbOnlyCommand(std::uint8_t command, std::initializer_list<std::uint8_t> data = {});

// Commands leave display-data mode around their bytes and return to it afterwards.
void SendCommandFramed(std::span<const std::uint8_t> bytes);
inline void SendCommandFramed(std::initializer_list<std::uint8_t> bytes) {
  SendCommandFramed(std::span(bytes.begin(), bytes.size()));
}

// Display data enters display-data mode around its bytes unless the keyboard is held in it.
void SendDataFramed(std::span<const std::uint8_t> bytes);
inline void SendDataFramed(std::initializer_list<std::uint8_t> bytes) {
  SendDataFramed(std::span(bytes.begin(), bytes.size()));
}

// A switch with a USB report and an AT byte for each state.
void SwitchCommand(std::uint8_t usbCommand, std::int32_t on, std::uint8_t atOn, std::uint8_t atOff);

// A display action with a USB report of no data and one AT data byte.
void DisplayAction(std::uint8_t usbCommand, std::uint8_t atByte);

}  // namespace velmar::dorvel
