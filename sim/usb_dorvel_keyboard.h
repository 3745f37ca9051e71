#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sim/character_display.h"
#include "sim/device_changes.h"

namespace velmar::sim {

// A Dorvel keyboard on USB as its firmware sees the 64-byte output reports: byte 0 the report
// id, byte 1 the command, byte 2 the data length, data from byte 3.
class UsbDorvelKeyboard {
 public:
  static constexpr std::size_t kReportLength = 64;
  static constexpr std::size_t kEepromSize = 512;
  using Eeprom = std::array<std::uint8_t, kEepromSize>;

  explicit UsbDorvelKeyboard(const Eeprom& eeprom = {});

  // Acts on one received report. Reports of another length, or with a length byte that does
  // not fit, are recorded as rejected and change nothing else.
  DeviceChanges receive(std::span<const std::uint8_t> report);

  const Eeprom& eeprom() const { return eeprom_; }
  const CharacterDisplay& display() const { return display_; }
  // Settings as "name=value" lines.
  std::string stateText() const;

 private:
  DeviceChanges act(std::uint8_t command, std::span<const std::uint8_t> data);
  DeviceChanges actOnDisplay(std::uint8_t command, std::span<const std::uint8_t> data);
  bool* switchFor(std::uint8_t command);
  DeviceChanges eepromWriting(std::uint8_t data);
  DeviceChanges eepromBlock(std::span<const std::uint8_t> data);
  DeviceChanges setupRecord(std::span<const std::uint8_t> data);
  DeviceChanges reset(std::uint8_t data);
  DeviceChanges initStringWriting(std::uint8_t data);
  DeviceChanges defineUserCharacter(std::span<const std::uint8_t> data);
  DeviceChanges setBrightness(std::uint8_t data);
  DeviceChanges setCursorMode(std::span<const std::uint8_t> data);
  DeviceChanges setDisplayEnabled(std::uint8_t data);

  Eeprom eeprom_{};
  Eeprom pending_{};          // what the blocks brought since the begin command
  bool programming_ = false;  // between begin and end of EEPROM writing
  CharacterDisplay display_;
  bool keyboardEnabled_ = true;
  bool keyClick_ = false;
  bool beeper_ = false;
  bool autoRepeat_ = true;
  bool showChecksum_ = false;
  bool opKey_ = false;
  bool cardFraming_ = false;
  std::array<bool, 3> cardTracks_{true, true, true};
  bool displayMode_ = false;
  int brightness_ = 15;
  int brightModeToggles_ = 0;
  // 3 is "leave unchanged" in a setup record, and stands for a switch no record has set yet.
  std::array<std::uint8_t, 10> setupSwitches_{3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
  int keyboardType_ = 0;
  std::array<std::optional<std::array<std::uint8_t, 8>>, 8> userCharacters_{};  // pattern rows
  std::vector<std::uint8_t> lcdInstructions_;
  bool initStringOpen_ = false;
  std::string initStringPending_;
  std::string initString_;
  int resets_ = 0;
  std::vector<std::uint8_t> unknownCommands_;
  int rejectedReports_ = 0;
};

}  // namespace velmar::sim
