#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "dorvel/command_framing.h"
#include "dorvel/debug_log.h"
#include "dorvel/export_guard.h"
#include "platform/platform.h"

using namespace velmar::dorvel;

namespace {

constexpr std::uint8_t kSetupCommand = 0x08;
constexpr std::uint8_t kLeaveUnchanged = 3;
constexpr std::uint8_t kInitStringCommand = 0x0D;
constexpr std::uint8_t kInitStringPiece = 0x0E;
constexpr std::size_t kInitStringLength = 40;
constexpr std::size_t kPieceLength = 20;

// Ten switches, then "set the type", the type, "set the brightness", the brightness, two zeros.
using SetupRecord = std::array<std::uint8_t, 16>;
constexpr std::size_t kTypeIndex = 11;
constexpr std::size_t kBrightnessIndex = 13;

SetupRecord unchangedSetup() {
  SetupRecord record{};
  std::fill_n(record.begin(), 10, kLeaveUnchanged);
  return record;
}

std::uint8_t setupValue(std::int32_t value) {
  return value == 0 || value == 1 ? static_cast<std::uint8_t>(value) : kLeaveUnchanged;
}

std::int32_t sendSetup(const SetupRecord& record) {
  if (!UsbLinkUp()) return 0;
  return SendUsbCommand(kSetupCommand, record);
}

// A record that changes one value, at `index`, after its "set" byte.
std::int32_t sendSetupValue(std::size_t index, std::int32_t value, std::int32_t highest) {
  if (value < 0 || value > highest) return 0;
  SetupRecord record = unchangedSetup();
  record[index - 1] = 1;
  record[index] = static_cast<std::uint8_t>(value);
  return sendSetup(record);
}

bool linkDropped() {
  return state().IsDorvelUsb == 0;
}

}  // namespace

extern "C" {

DORVEL_API int32_t DorvelSetup(int32_t v1, int32_t v2, int32_t v3, int32_t v4, int32_t v5,
                               int32_t v6, int32_t v7, int32_t v8, int32_t v9, int32_t v10) {
  return guarded(0, [&] {
    // The keyboard's record holds the second value after the fifth.
    SetupRecord record{};
    const std::array<std::int32_t, 10> order{v1, v3, v4, v5, v2, v6, v7, v8, v9, v10};
    std::transform(order.begin(), order.end(), record.begin(), setupValue);
    return sendSetup(record);
  });
}

DORVEL_API int32_t DorvelSetupBright(int32_t level) {
  return guarded(0, [&] { return sendSetupValue(kBrightnessIndex, level, 15); });
}

DORVEL_API int32_t DorvelSetupType(int32_t type) {
  return guarded(0, [&] { return sendSetupValue(kTypeIndex, type, 255); });
}

DORVEL_API uint8_t SetupInitStr(const char* text) {
  return guarded(std::uint8_t{0}, [&]() -> std::uint8_t {
    if (!text) return 0;
    DebugLog("Funcao SetupInitStr\n");
    if (!UsbLinkUp()) {
      DebugLog("fim da Funcao SetupInitStr Return 0\n");
      return 0;
    }
    SendUsbCommand(kInitStringCommand, {1});
    if (linkDropped()) {
      DebugLog("fim da Funcao SetupInitStr Return 0 pois IsDorvelUsb == 0 \n");
      return 0;
    }
    DebugLog("Enviar a String\n");
    DebugLog(text);
    const std::string initial(text, std::min(std::strlen(text), kInitStringLength));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(initial.data());
    std::size_t start = 0;
    while (initial.size() - start > kPieceLength) {
      SendUsbCommand(kInitStringPiece, std::span(bytes + start, kPieceLength));
      if (linkDropped()) return 0;
      DebugLog("Envia String Inicial\n");
      start += kPieceLength;
    }
    // The report's zeros after the last piece end the text for the keyboard.
    SendUsbCommand(kInitStringPiece, std::span(bytes + start, initial.size() - start));
    if (linkDropped()) return 0;
    DebugLog("String foi envia - Agora é necessario enviar comando paa gravar\n");
    SendUsbCommand(kInitStringCommand, {0});
    if (linkDropped()) return 0;
    velmar::platform::clock().sleepMs(65);
    DebugLog("fim da Funcao SetupInitStr Return 1\n");
    return 1;
  });
}

}  // extern "C"
