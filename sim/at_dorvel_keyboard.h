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

// A Dorvel keyboard on the AT port, as it sees the bytes the keyboard controller passes on.
// It answers every byte with 0xFA unless told to stay silent or to ask for resends.
class AtDorvelKeyboard {
 public:
  static constexpr std::size_t kEepromSize = 512;
  using Eeprom = std::array<std::uint8_t, kEepromSize>;

  explicit AtDorvelKeyboard(const Eeprom& eeprom = {});

  // Takes one byte from the host and appends the keyboard's answer bytes to `answers`.
  DeviceChanges receive(std::uint8_t byte, std::vector<std::uint8_t>& answers);

  // A silent keyboard neither answers nor acts on what it gets.
  void setSilent(bool silent) { silent_ = silent; }
  // The next `count` bytes are answered with 0xFE (resend) and dropped.
  void requestResends(int count) { resendsLeft_ = count; }

  const Eeprom& eeprom() const { return eeprom_; }
  const CharacterDisplay& display() const { return display_; }
  std::string stateText() const;

 private:
  // What the bytes after a command byte are taken as, until the command has them all.
  enum class Pending { None, Block, ShortBlockWritten, UserCharacter, CursorMode, GoTo };

  DeviceChanges act(std::uint8_t byte);
  DeviceChanges command(std::uint8_t byte);
  DeviceChanges displayData(std::uint8_t byte);
  DeviceChanges blockByte(std::uint8_t byte);
  DeviceChanges afterShortBlock(std::uint8_t byte);
  DeviceChanges userCharacterByte(std::uint8_t byte);
  DeviceChanges cursorMode(std::uint8_t byte);
  DeviceChanges goToByte(std::uint8_t byte);
  DeviceChanges reset();
  void expect(Pending pending);
  void writeCodes(std::size_t offset, std::span<const std::uint8_t> codes);

  Eeprom eeprom_{};
  CharacterDisplay display_;
  bool silent_ = false;
  int resendsLeft_ = 0;
  bool displayMode_ = false;
  Pending pending_ = Pending::None;
  std::vector<std::uint8_t> arguments_;        // bytes of the pending command so far
  std::array<std::uint8_t, 4> overwritten_{};  // what the last short block replaced
  bool beeper_ = false;
  bool keyClick_ = false;
  bool operatorKey_ = false;
  bool cardFraming_ = false;
  std::array<std::optional<std::array<std::uint8_t, 8>>, 8> userCharacters_{};  // pattern rows
  int writes_ = 0;
  int blocks_ = 0;
  int malformedBlocks_ = 0;
  int resets_ = 0;
  std::vector<std::uint8_t> unknownCommands_;
};

}  // namespace velmar::sim
