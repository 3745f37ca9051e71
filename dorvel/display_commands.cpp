#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "dorvel/command_framing.h"
#include "dorvel/debug_log.h"
#include "dorvel/export_guard.h"
#include "dorvel/transport/at_port.h"

using namespace velmar::dorvel;

namespace {

constexpr std::size_t kPieceLength = 20;
constexpr std::size_t kUsbTextLength = 47;
constexpr std::uint8_t kEnterDisplayMode = 0xE7;
constexpr std::uint8_t kLeaveDisplayMode = 0xE8;

std::uint8_t upperIfCaps(std::uint8_t ch) {
  return state().CapsMode && ch >= 'a' && ch <= 'z' ? static_cast<std::uint8_t>(ch - 32) : ch;
}

// The display switches (enable, display mode) both hold the AT keyboard in display-data mode.
void displayModeSwitch(std::uint8_t usbCommand, std::int32_t on) {
  LibraryState& library = state();
  if (UsbLinkUp()) {
    {
      std::lock_guard lock(library.LibraryLock);
      library.DisplayMode = Switch(on);
    }
    SendUsbCommand(usbCommand, {Switch(on)});
    return;
  }
  std::lock_guard lock(library.LibraryLock);
  if (on && !library.DisplayMode) SendKbdByte(kEnterDisplayMode);
  if (!on && library.DisplayMode) SendKbdByte(kLeaveDisplayMode);
  library.DisplayMode = Switch(on);
}

std::int32_t sendUsbText(const char* text) {
  DebugLog(text);
  std::string shown(text, std::min(std::strlen(text), kUsbTextLength));
  std::transform(shown.begin(), shown.end(), shown.begin(), [](char ch) {
    return static_cast<char>(upperIfCaps(static_cast<std::uint8_t>(ch)));
  });
  auto piece = [&](std::size_t start, std::size_t length) {
    DebugLog("Envia String => HIDEnviaPacote\n");
    // The report's zeros after the piece end the text for the keyboard.
    const std::int32_t written = SendUsbCommand(
        0x19, std::span(reinterpret_cast<const std::uint8_t*>(shown.data()) + start, length));
    if (!written) DebugLog("IsDorvelUsb = 0\n");
    return written;
  };
  std::size_t start = 0;
  while (shown.size() - start > kPieceLength) {
    piece(start, kPieceLength);
    start += kPieceLength;
  }
  return piece(start, shown.size() - start);
}

}  // namespace

extern "C" {

DORVEL_API int32_t DispStr(const char* text) {
  return guarded(0, [&]() -> std::int32_t {
    if (!text) return 0;
    DebugLog("Inicio da Funcao DispStr\n");
    if (UsbLinkUp()) return sendUsbText(text);
    std::lock_guard lock(state().LibraryLock);
    std::vector<std::uint8_t> bytes;
    for (const char* ch = text; *ch; ++ch)
      bytes.push_back(upperIfCaps(static_cast<std::uint8_t>(*ch)));
    SendDataFramed(bytes);
    return 0;
  });
}

DORVEL_API void DispCh(int32_t ch) {
  guarded([&] {
    const auto byte = static_cast<std::uint8_t>(ch);
    if (UsbLinkUp()) {
      SendUsbCommand(0x18, {byte});
    } else {
      std::lock_guard lock(state().LibraryLock);
      SendDataFramed({upperIfCaps(byte)});
    }
  });
}

DORVEL_API void GoToXY(int32_t x, int32_t y) {
  guarded([&] {
    const auto column = static_cast<std::uint8_t>(x);
    const auto row = static_cast<std::uint8_t>(y);
    if (UsbLinkUp()) {
      SendUsbCommand(0x17,
                     {static_cast<std::uint8_t>(row - 1), static_cast<std::uint8_t>(column - 1)});
    } else {
      SendDataFramed({0x09, row, column});
    }
  });
}

DORVEL_API void BackSpace(void) {
  guarded([] { DisplayAction(0x11, 0x08); });
}

DORVEL_API void LineFeed(void) {
  guarded([] { DisplayAction(0x12, 0x0A); });
}

DORVEL_API void CarRet(void) {
  guarded([] { DisplayAction(0x13, 0x0D); });
}

DORVEL_API void FormFeed(void) {
  guarded([] { DisplayAction(0x14, 0x0C); });
}

DORVEL_API int32_t LcdClearLine(int32_t line) {
  return guarded(0, [&] {
    if (line != 1 && line != 2) return 0;
    return UsbOnlyCommand(line == 1 ? 0x15 : 0x16);
  });
}

DORVEL_API int32_t LcdSetBright(int32_t level) {
  return guarded(0, [&] {
    if (level < 0 || level > 15) return 0;
    return UsbOnlyCommand(0x1C, {static_cast<std::uint8_t>(level)});
  });
}

DORVEL_API int32_t LcdBrightMode(void) {
  return guarded(0, [] { return UsbOnlyCommand(0x07); });
}

DORVEL_API int32_t LCDInstruction(int32_t instruction) {
  return guarded(0, [&] { return UsbOnlyCommand(0x1A, {static_cast<std::uint8_t>(instruction)}); });
}

DORVEL_API void ModoCursor(int32_t mode) {
  guarded([&] {
    const bool known = mode >= 0 && mode <= 3;
    if (UsbLinkUp()) {
      if (known) {
        SendUsbCommand(0x1F, {static_cast<std::uint8_t>((mode >> 1) & 1),
                              static_cast<std::uint8_t>(mode & 1)});
      }
    } else if (known) {
      SendCommandFramed({0xDB, static_cast<std::uint8_t>(0x0C + mode)});
    } else {
      SendCommandFramed(std::span<const std::uint8_t>{});
    }
  });
}

DORVEL_API int32_t ProgSpecialChar(int32_t number, const void* pattern) {
  return guarded(0, [&]() -> std::int32_t {
    if (number < 0 || number > 7 || !pattern) return 0;
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(number)};
    if (UsbLinkUp()) {
      const auto* rows = static_cast<const std::uint8_t*>(pattern);
      for (int row = 0; row < 8; ++row)
        bytes.push_back(rows[row] & 0x1F);
      return SendUsbCommand(0x1B, bytes);
    }
    // Programs written for the AT keyboard pass the rows as 32-bit values.
    const auto* rows = static_cast<const std::int32_t*>(pattern);
    bytes.insert(bytes.begin(), 0xDD);
    for (int row = 0; row < 8; ++row)
      bytes.push_back(static_cast<std::uint8_t>(rows[row] & 0x1F));
    SendCommandFramed(bytes);
    return 0;
  });
}

DORVEL_API void HabilitaLCD(int32_t on) {
  guarded([&] { displayModeSwitch(0x1D, on); });
}

DORVEL_API void SetDisp(int32_t on) {
  guarded([&] { displayModeSwitch(0x30, on); });
}

}  // extern "C"
