#include "sim/usb_dorvel_keyboard.h"
#include "sim/state_text.h"

#include <algorithm>
#include <string_view>

namespace velmar::sim {
namespace {

enum Command : std::uint8_t {
  kPresence = 0x00,
  kKeyboardEnabled = 0x01,
  kKeyClick = 0x02,
  kEepromWriting = 0x03,
  kEepromBlock = 0x04,
  kShowChecksum = 0x05,
  kBrightnessMode = 0x07,
  kSetupRecord = 0x08,
  kOperatorKey = 0x09,
  kAutoRepeat = 0x0A,
  kBeeper = 0x0B,
  kReset = 0x0C,
  kInitStringWriting = 0x0D,
  kInitStringPiece = 0x0E,
  kBackspace = 0x11,
  kLineFeed = 0x12,
  kCarriageReturn = 0x13,
  kFormFeed = 0x14,
  kClearLine1 = 0x15,
  kClearLine2 = 0x16,
  kGoTo = 0x17,
  kCharacter = 0x18,
  kText = 0x19,
  kLcdInstruction = 0x1A,
  kUserCharacter = 0x1B,
  kBrightness = 0x1C,
  kDisplayEnabled = 0x1D,
  kCursorMode = 0x1F,
  kCardFraming = 0x20,
  kCardTrack1 = 0x21,
  kCardTrack2 = 0x22,
  kCardTrack3 = 0x23,
  kDisplayMode = 0x30,
};

constexpr std::size_t kHeaderLength = 3;  // report id, command, data length
constexpr std::size_t kMaxDataLength = UsbDorvelKeyboard::kReportLength - kHeaderLength;
constexpr std::size_t kMaxTextPiece = 20;
constexpr std::size_t kBlockLength = 16;
constexpr std::size_t kBlockCount = UsbDorvelKeyboard::kEepromSize / kBlockLength;
constexpr std::uint8_t kResetKey = '5';
constexpr int kMaxBrightness = 15;
constexpr std::uint8_t kPatternMask = 0x1F;  // the display's characters are five dots wide

struct DataLength {
  std::size_t min;
  std::size_t max;
};

// How many data bytes a command takes; nullopt for a code the firmware does not know.
std::optional<DataLength> dataLengthOf(std::uint8_t command) {
  auto fixed = [](std::size_t length) { return DataLength{length, length}; };
  switch (command) {
    case kPresence:
    case kBrightnessMode:
    case kBackspace:
    case kLineFeed:
    case kCarriageReturn:
    case kFormFeed:
    case kClearLine1:
    case kClearLine2:
      return fixed(0);
    case kKeyboardEnabled:
    case kKeyClick:
    case kEepromWriting:
    case kShowChecksum:
    case kOperatorKey:
    case kAutoRepeat:
    case kBeeper:
    case kReset:
    case kInitStringWriting:
    case kCharacter:
    case kLcdInstruction:
    case kBrightness:
    case kDisplayEnabled:
    case kCardFraming:
    case kCardTrack1:
    case kCardTrack2:
    case kCardTrack3:
    case kDisplayMode:
      return fixed(1);
    case kGoTo:
    case kCursorMode:
      return fixed(2);
    case kUserCharacter:
      return fixed(9);
    case kSetupRecord:
      return fixed(16);
    case kEepromBlock:
      return fixed(1 + kBlockLength);
    case kInitStringPiece:
    case kText:
      return DataLength{0, kMaxTextPiece};
    default:
      return std::nullopt;
  }
}

// A switch byte is 1 for on and 0 for off; the firmware ignores any other value.
std::optional<bool> switchValue(std::uint8_t byte) {
  if (byte > 1) return std::nullopt;
  return byte == 1;
}

// Keeps a stored text on its one line of the state file.
std::string printable(const std::string& text) {
  std::string shown;
  for (unsigned char ch : text)
    shown += (ch >= 0x20 && ch <= 0x7E) ? static_cast<char>(ch) : '?';
  return shown;
}

}  // namespace

UsbDorvelKeyboard::UsbDorvelKeyboard(const Eeprom& eeprom) : eeprom_(eeprom) {}

DeviceChanges UsbDorvelKeyboard::receive(std::span<const std::uint8_t> report) {
  if (report.size() != kReportLength || report[2] > kMaxDataLength) {
    ++rejectedReports_;
    return {.state = true};
  }
  const std::uint8_t command = report[1];
  const auto data = report.subspan(kHeaderLength, report[2]);
  const std::optional<DataLength> length = dataLengthOf(command);
  if (!length || data.size() < length->min || data.size() > length->max) {
    unknownCommands_.push_back(command);
    return {.state = true};
  }
  return act(command, data);
}

DeviceChanges UsbDorvelKeyboard::act(std::uint8_t command, std::span<const std::uint8_t> data) {
  if (bool* setting = switchFor(command)) {
    const std::optional<bool> on = switchValue(data[0]);
    return on ? change(*setting, *on) : DeviceChanges{};
  }
  switch (command) {
    case kPresence:
      return {};
    case kEepromWriting:
      return eepromWriting(data[0]);
    case kEepromBlock:
      return eepromBlock(data);
    case kBrightnessMode:
      ++brightModeToggles_;
      return {.state = true};
    case kSetupRecord:
      return setupRecord(data);
    case kReset:
      return reset(data[0]);
    case kInitStringWriting:
      return initStringWriting(data[0]);
    case kInitStringPiece:
      if (initStringOpen_) initStringPending_.append(data.begin(), data.end());
      return {};
    case kLcdInstruction:
      lcdInstructions_.push_back(data[0]);
      return {.state = true};
    case kUserCharacter:
      return defineUserCharacter(data);
    case kBrightness:
      return setBrightness(data[0]);
    case kCursorMode:
      return setCursorMode(data);
    case kDisplayEnabled:
      return setDisplayEnabled(data[0]);
    default:
      return actOnDisplay(command, data);
  }
}

DeviceChanges UsbDorvelKeyboard::actOnDisplay(std::uint8_t command,
                                              std::span<const std::uint8_t> data) {
  switch (command) {
    case kBackspace:
      display_.backspace();
      break;
    case kLineFeed:
      display_.lineFeed();
      break;
    case kCarriageReturn:
      display_.carriageReturn();
      break;
    case kFormFeed:
      display_.formFeed();
      break;
    case kClearLine1:
      display_.clearLine(0);
      break;
    case kClearLine2:
      display_.clearLine(1);
      break;
    case kGoTo:
      display_.goTo(data[0], data[1]);  // already 0-based
      break;
    default:  // one character or a piece of text
      for (std::uint8_t ch : data)
        display_.put(ch);
      break;
  }
  return {.display = true};
}

bool* UsbDorvelKeyboard::switchFor(std::uint8_t command) {
  switch (command) {
    case kKeyboardEnabled:
      return &keyboardEnabled_;
    case kKeyClick:
      return &keyClick_;
    case kShowChecksum:
      return &showChecksum_;
    case kOperatorKey:
      return &opKey_;
    case kAutoRepeat:
      return &autoRepeat_;
    case kBeeper:
      return &beeper_;
    case kCardFraming:
      return &cardFraming_;
    case kCardTrack1:
    case kCardTrack2:
    case kCardTrack3:
      return &cardTracks_[command - kCardTrack1];
    case kDisplayMode:
      return &displayMode_;
    default:
      return nullptr;
  }
}

DeviceChanges UsbDorvelKeyboard::eepromWriting(std::uint8_t data) {
  const std::optional<bool> begin = switchValue(data);
  if (!begin) return {};
  if (*begin) {
    pending_ = eeprom_;
    programming_ = true;
    return {.state = true};
  }
  if (!programming_) return {};
  programming_ = false;
  eeprom_ = pending_;
  return {.eeprom = true, .state = true};
}

DeviceChanges UsbDorvelKeyboard::eepromBlock(std::span<const std::uint8_t> data) {
  const std::size_t block = data[0];
  if (!programming_ || block >= kBlockCount) return {};
  std::copy(data.begin() + 1, data.end(), pending_.begin() + block * kBlockLength);
  return {};
}

DeviceChanges UsbDorvelKeyboard::setupRecord(std::span<const std::uint8_t> data) {
  DeviceChanges changes;
  // 0 or 1 sets a switch; 3 leaves it as it is.
  for (std::size_t i = 0; i < setupSwitches_.size(); ++i) {
    if (switchValue(data[i])) changes |= change(setupSwitches_[i], data[i]);
  }
  if (data[10] == 1) changes |= change(keyboardType_, static_cast<int>(data[11]));
  if (data[12] == 1) changes |= setBrightness(data[13]);
  return changes;
}

DeviceChanges UsbDorvelKeyboard::reset(std::uint8_t data) {
  if (data != kResetKey) return {};
  ++resets_;
  // The firmware restarts: what it held in memory, an unfinished write included, is gone.
  display_.formFeed();
  displayMode_ = false;
  programming_ = false;
  initStringOpen_ = false;
  initStringPending_.clear();
  return {.display = true, .state = true, .reset = true};
}

DeviceChanges UsbDorvelKeyboard::initStringWriting(std::uint8_t data) {
  const std::optional<bool> begin = switchValue(data);
  if (!begin) return {};
  if (*begin) {
    initStringOpen_ = true;
    initStringPending_.clear();
    return {};
  }
  if (!initStringOpen_) return {};
  initStringOpen_ = false;
  return change(initString_, initStringPending_);
}

DeviceChanges UsbDorvelKeyboard::defineUserCharacter(std::span<const std::uint8_t> data) {
  const std::size_t number = data[0];
  if (number >= userCharacters_.size()) return {};
  std::array<std::uint8_t, 8> rows{};
  std::transform(data.begin() + 1, data.end(), rows.begin(),
                 [](std::uint8_t row) { return static_cast<std::uint8_t>(row & kPatternMask); });
  return change(userCharacters_[number], std::optional(rows));
}

DeviceChanges UsbDorvelKeyboard::setBrightness(std::uint8_t data) {
  if (data > kMaxBrightness) return {};
  return change(brightness_, static_cast<int>(data));
}

DeviceChanges UsbDorvelKeyboard::setCursorMode(std::span<const std::uint8_t> data) {
  const std::optional<bool> shown = switchValue(data[0]);
  const std::optional<bool> blinking = switchValue(data[1]);
  if (!shown || !blinking) return {};
  if (*shown == display_.cursorShown() && *blinking == display_.cursorBlinking()) return {};
  display_.setCursorMode(*shown, *blinking);
  return {.state = true};
}

DeviceChanges UsbDorvelKeyboard::setDisplayEnabled(std::uint8_t data) {
  const std::optional<bool> on = switchValue(data);
  if (!on || *on == display_.enabled()) return {};
  display_.setEnabled(*on);
  return {.state = true};
}

std::string UsbDorvelKeyboard::stateText() const {
  StateText state;
  state.flag("keyboard", keyboardEnabled_);
  state.flag("key_click", keyClick_);
  state.flag("beeper", beeper_);
  state.flag("auto_repeat", autoRepeat_);
  state.flag("show_checksum", showChecksum_);
  state.flag("operator_key", opKey_);
  state.flag("card_framing", cardFraming_);
  state.line("card_tracks", flagText(cardTracks_[0]) + ',' + flagText(cardTracks_[1]) + ',' +
                                flagText(cardTracks_[2]));
  state.flag("display_mode", displayMode_);
  state.flag("display_enabled", display_.enabled());
  state.line("cursor",
             flagText(display_.cursorShown()) + ',' + flagText(display_.cursorBlinking()));
  state.number("brightness", brightness_);
  state.number("bright_mode_toggles", brightModeToggles_);
  std::string setup;
  for (std::uint8_t value : setupSwitches_) {
    if (!setup.empty()) setup += ',';
    setup += std::to_string(value);
  }
  state.line("setup", setup);
  state.number("keyboard_type", keyboardType_);
  for (std::size_t i = 0; i < userCharacters_.size(); ++i) {
    if (userCharacters_[i])
      state.line("user_char_" + std::to_string(i), hexList(*userCharacters_[i]));
  }
  state.line("lcd_instructions", hexList(lcdInstructions_));
  state.line("init_string", printable(initString_));
  state.number("resets", resets_);
  state.line("unknown_commands", hexList(unknownCommands_));
  state.number("rejected_reports", rejectedReports_);
  state.flag("programming", programming_);
  return state.text();
}

}  // namespace velmar::sim
