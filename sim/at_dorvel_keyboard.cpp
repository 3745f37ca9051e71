#include "sim/at_dorvel_keyboard.h"
#include "sim/state_text.h"

#include <algorithm>
#include <string_view>

namespace velmar::sim {
namespace {

// Answers of the keyboard.
constexpr std::uint8_t kAcknowledge = 0xFA;
constexpr std::uint8_t kResend = 0xFE;
constexpr std::uint8_t kSelfTestPassed = 0xAA;

// Command bytes.
constexpr std::uint8_t kBlockStart = 0xE2;
constexpr std::uint8_t kBlockEnd = 0xE3;
constexpr std::uint8_t kLayoutWritten = 0xE4;
constexpr std::uint8_t kBeeperOn = 0xE0;
constexpr std::uint8_t kBeeperOff = 0xE1;
constexpr std::uint8_t kKeyClickOn = 0xE5;
constexpr std::uint8_t kKeyClickOff = 0xE6;
constexpr std::uint8_t kDisplayDataStart = 0xE7;
constexpr std::uint8_t kDisplayDataEnd = 0xE8;
constexpr std::uint8_t kOperatorKeyOn = 0xEB;
constexpr std::uint8_t kOperatorKeyOff = 0xEC;
constexpr std::uint8_t kCardFramingOn = 0xDE;
constexpr std::uint8_t kCardFramingOff = 0xDF;
constexpr std::uint8_t kUserCharacter = 0xDD;
constexpr std::uint8_t kCursorMode = 0xDB;
constexpr std::uint8_t kReset = 0xFF;

// Control bytes in display data.
constexpr std::uint8_t kBackspace = 0x08;
constexpr std::uint8_t kGoTo = 0x09;
constexpr std::uint8_t kLineFeed = 0x0A;
constexpr std::uint8_t kFormFeed = 0x0C;
constexpr std::uint8_t kCarriageReturn = 0x0D;

constexpr std::size_t kCodesPerBlock = 4;
constexpr std::size_t kShortBlockLength = 6;     // address, four codes, 0xE3
constexpr std::size_t kLongBlockLength = 7;      // page, address, four codes, 0xE3
constexpr std::size_t kUserCharacterLength = 9;  // number, eight pattern rows
constexpr std::uint8_t kPatternMask = 0x1F;      // the display's characters are five dots wide
constexpr std::uint8_t kCursorShownBit = 0x02;
constexpr std::uint8_t kCursorBlinkingBit = 0x01;

}  // namespace

AtDorvelKeyboard::AtDorvelKeyboard(const Eeprom& eeprom) : eeprom_(eeprom) {}

DeviceChanges AtDorvelKeyboard::receive(std::uint8_t byte, std::vector<std::uint8_t>& answers) {
  if (silent_) return {};
  if (resendsLeft_ > 0) {
    --resendsLeft_;
    answers.push_back(kResend);
    return {.state = true};
  }
  const DeviceChanges changes = act(byte);
  answers.push_back(kAcknowledge);
  if (changes.reset) answers.push_back(kSelfTestPassed);
  return changes;
}

DeviceChanges AtDorvelKeyboard::act(std::uint8_t byte) {
  switch (pending_) {
    case Pending::None:
      return displayMode_ ? displayData(byte) : command(byte);
    case Pending::Block:
      return blockByte(byte);
    case Pending::ShortBlockWritten:
      return afterShortBlock(byte);
    case Pending::UserCharacter:
      return userCharacterByte(byte);
    case Pending::CursorMode:
      return cursorMode(byte);
    case Pending::GoTo:
      return goToByte(byte);
  }
  return {};
}

DeviceChanges AtDorvelKeyboard::command(std::uint8_t byte) {
  switch (byte) {
    case kBlockStart:
      expect(Pending::Block);
      return {};
    case kLayoutWritten:
      ++writes_;
      return {.eeprom = true, .state = true};
    case kDisplayDataStart:
      displayMode_ = true;
      return {.state = true};
    case kDisplayDataEnd:
      return {};
    case kBeeperOn:
    case kBeeperOff:
      return change(beeper_, byte == kBeeperOn);
    case kKeyClickOn:
    case kKeyClickOff:
      return change(keyClick_, byte == kKeyClickOn);
    case kOperatorKeyOn:
    case kOperatorKeyOff:
      return change(operatorKey_, byte == kOperatorKeyOn);
    case kCardFramingOn:
    case kCardFramingOff:
      return change(cardFraming_, byte == kCardFramingOn);
    case kUserCharacter:
      expect(Pending::UserCharacter);
      return {};
    case kCursorMode:
      expect(Pending::CursorMode);
      return {};
    case kReset:
      return reset();
    default:
      unknownCommands_.push_back(byte);
      return {.state = true};
  }
}

DeviceChanges AtDorvelKeyboard::displayData(std::uint8_t byte) {
  switch (byte) {
    case kDisplayDataEnd:
      displayMode_ = false;
      return {.state = true};
    case kDisplayDataStart:
      return {};
    case kReset:  // obeyed here too, so that the host can always get the keyboard back
      return reset();
    case kGoTo:
      expect(Pending::GoTo);
      return {};
    case kBackspace:
      display_.backspace();
      break;
    case kLineFeed:
      display_.lineFeed();
      break;
    case kFormFeed:
      display_.formFeed();
      break;
    case kCarriageReturn:
      display_.carriageReturn();
      break;
    default:
      display_.put(byte);
      break;
  }
  return {.display = true};
}

// A block comes in a short form (0xE2, address, four codes, 0xE3) and a long one (0xE2, page,
// address, four codes, 0xE3), told apart only by where the 0xE3 falls. A 0xE3 as sixth byte
// ends a short block, which is written at once; but when the very next byte is 0xE3 too, that
// sixth byte was the fourth code of a long block, so the short write is undone and the long
// block written instead. Without a 0xE3 there, a long block must end with its seventh byte;
// anything else abandons the block as malformed and is taken as a new byte.
DeviceChanges AtDorvelKeyboard::blockByte(std::uint8_t byte) {
  arguments_.push_back(byte);
  if (arguments_.size() == kShortBlockLength && byte == kBlockEnd) {
    const std::size_t offset = arguments_[0];
    std::copy_n(eeprom_.begin() + offset, kCodesPerBlock, overwritten_.begin());
    writeCodes(offset, std::span(arguments_).subspan(1, kCodesPerBlock));
    ++blocks_;
    pending_ = Pending::ShortBlockWritten;
    return {.eeprom = true, .state = true};
  }
  if (arguments_.size() < kLongBlockLength) return {};
  pending_ = Pending::None;
  if (byte != kBlockEnd) {
    ++malformedBlocks_;
    DeviceChanges changes{.state = true};
    changes |= act(byte);
    return changes;
  }
  const std::size_t offset = (arguments_[0] & 1u) << 8 | arguments_[1];
  writeCodes(offset, std::span(arguments_).subspan(2, kCodesPerBlock));
  ++blocks_;
  return {.eeprom = true, .state = true};
}

DeviceChanges AtDorvelKeyboard::afterShortBlock(std::uint8_t byte) {
  pending_ = Pending::None;
  if (byte != kBlockEnd) return act(byte);
  writeCodes(arguments_[0], overwritten_);
  const std::size_t offset = (arguments_[0] & 1u) << 8 | arguments_[1];
  writeCodes(offset, std::span(arguments_).subspan(2, kCodesPerBlock));
  return {.eeprom = true};
}

DeviceChanges AtDorvelKeyboard::userCharacterByte(std::uint8_t byte) {
  arguments_.push_back(byte);
  if (arguments_.size() < kUserCharacterLength) return {};
  pending_ = Pending::None;
  const std::size_t number = arguments_[0];
  if (number >= userCharacters_.size()) return {};
  std::array<std::uint8_t, 8> rows{};
  std::transform(arguments_.begin() + 1, arguments_.end(), rows.begin(),
                 [](std::uint8_t row) { return static_cast<std::uint8_t>(row & kPatternMask); });
  return change(userCharacters_[number], std::optional(rows));
}

DeviceChanges AtDorvelKeyboard::cursorMode(std::uint8_t byte) {
  pending_ = Pending::None;
  if (byte < 0x0C || byte > 0x0F) return {};
  const bool shown = (byte & kCursorShownBit) != 0;
  const bool blinking = (byte & kCursorBlinkingBit) != 0;
  if (display_.enabled() && display_.cursorShown() == shown &&
      display_.cursorBlinking() == blinking) {
    return {};
  }
  display_.setEnabled(true);
  display_.setCursorMode(shown, blinking);
  return {.state = true};
}

DeviceChanges AtDorvelKeyboard::goToByte(std::uint8_t byte) {
  arguments_.push_back(byte);
  if (arguments_.size() < 2) return {};
  pending_ = Pending::None;
  display_.goTo(arguments_[0] - 1, arguments_[1] - 1);
  return {.display = true};
}

DeviceChanges AtDorvelKeyboard::reset() {
  ++resets_;
  display_.formFeed();
  displayMode_ = false;
  return {.display = true, .state = true, .reset = true};
}

void AtDorvelKeyboard::expect(Pending pending) {
  pending_ = pending;
  arguments_.clear();
}

void AtDorvelKeyboard::writeCodes(std::size_t offset, std::span<const std::uint8_t> codes) {
  for (std::uint8_t code : codes) {
    if (offset >= kEepromSize) return;
    eeprom_[offset++] = code;
  }
}

std::string AtDorvelKeyboard::stateText() const {
  StateText state;
  state.flag("beeper", beeper_);
  state.flag("key_click", keyClick_);
  state.flag("operator_key", operatorKey_);
  state.flag("card_framing", cardFraming_);
  state.flag("display_mode", displayMode_);
  state.flag("display_enabled", display_.enabled());
  state.line("cursor",
             flagText(display_.cursorShown()) + ',' + flagText(display_.cursorBlinking()));
  for (std::size_t i = 0; i < userCharacters_.size(); ++i) {
    if (userCharacters_[i])
      state.line("user_char_" + std::to_string(i), hexList(*userCharacters_[i]));
  }
  state.number("writes", writes_);
  state.number("blocks", blocks_);
  state.number("malformed_blocks", malformedBlocks_);
  state.number("resets", resets_);
  state.line("unknown_commands", hexList(unknownCommands_));
  state.flag("silent", silent_);
  state.number("resends_pending", std::max(resendsLeft_, 0));
  return state.text();
}

}  // namespace velmar::sim
