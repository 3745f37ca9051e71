#include "dorvel/command_framing.h"

#include <mutex>

#include "dorvel/library_state.h"
#include "dorvel/transport/at_port.h"

namespace velmar::dorvel {
namespace {

constexpr std::uint8_t kEnterDisplayMode = 0xE7;
constexpr std::uint8_t kLeaveDisplayMode = 0xE8;

}  // namespace

std::int32_t SendUsbCommand(std::uint8_t command, std::span<const std::uint8_t> data) {
  return SendReport(MakeReport(command, data)) == 0 ? 1 : 0;
}

std::int32_t UsbOnlyCommand(std::uint8_t command, std::initializer_list<std::uint8_t> data) {
  if (!UsbLinkUp()) return 0;
  return SendUsbCommand(command, data);
}

void SendCommandFramed(std::span<const std::uint8_t> bytes) {
  LibraryState& library = state();
  std::lock_guard lock(library.LibraryLock);
  if (library.DisplayMode) SendKbdByte(kLeaveDisplayMode);
  for (std::uint8_t byte : bytes)
    SendKbdByte(byte);
  if (library.DisplayMode) SendKbdByte(kEnterDisplayMode);
}

void SendDataFramed(std::span<const std::uint8_t> bytes) {
  LibraryState& library = state();
  std::lock_guard lock(library.LibraryLock);
  if (!library.DisplayMode) SendKbdByte(kEnterDisplayMode);
  for (std::uint8_t byte : bytes)
    SendKbdByte(byte);
  if (!library.DisplayMode) SendKbdByte(kLeaveDisplayMode);
}

void SwitchCommand(std::uint8_t usbCommand, std::int32_t on, std::uint8_t atOn,
                   std::uint8_t atOff) {
  if (UsbLinkUp()) {
    SendUsbCommand(usbCommand, {Switch(on)});
  } else {
    SendCommandFramed({on ? atOn : atOff});
  }
}

void DisplayAction(std::uint8_t usbCommand, std::uint8_t atByte) {
  if (UsbLinkUp()) {
    SendUsbCommand(usbCommand);
  } else {
    SendDataFramed({atByte});
  }
}

}  // namespace velmar::dorvel
