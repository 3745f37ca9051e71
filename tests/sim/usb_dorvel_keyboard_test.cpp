#include "sim/usb_dorvel_keyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/sim/state_lines.h"

namespace velmar::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::stateValue;

constexpr char kFactoryState[] =
    "keyboard=1\n"
    "key_click=0\n"
    "beeper=0\n"
    "auto_repeat=1\n"
    "show_checksum=0\n"
    "operator_key=0\n"
    "card_framing=0\n"
    "card_tracks=1,1,1\n"
    "display_mode=0\n"
    "display_enabled=1\n"
    "cursor=0,0\n"
    "brightness=15\n"
    "bright_mode_toggles=0\n"
    "setup=3,3,3,3,3,3,3,3,3,3\n"
    "keyboard_type=0\n"
    "lcd_instructions=\n"
    "init_string=\n"
    "resets=0\n"
    "unknown_commands=\n"
    "rejected_reports=0\n"
    "programming=0\n";

Bytes report(std::uint8_t command, const Bytes& data) {
  Bytes bytes(UsbDorvelKeyboard::kReportLength, 0);
  bytes[1] = command;
  bytes[2] = static_cast<std::uint8_t>(data.size());
  std::copy(data.begin(), data.end(), bytes.begin() + 3);
  return bytes;
}

Bytes textData(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

std::string line(const CharacterDisplay& display, int row) {
  return display.text().substr(row * (CharacterDisplay::kColumns + 1), CharacterDisplay::kColumns);
}

class SimUsbDorvelKeyboardTest : public ::testing::Test {
 protected:
  DeviceChanges send(std::uint8_t command, const Bytes& data = {}) {
    return keyboard.receive(report(command, data));
  }
  std::optional<std::string> state(std::string_view name) const {
    return stateValue(keyboard.stateText(), name);
  }

  UsbDorvelKeyboard keyboard;
};

TEST_F(SimUsbDorvelKeyboardTest, StartsWithFactorySettingsAndPresenceCheckChangesNothing) {
  EXPECT_EQ(keyboard.stateText(), kFactoryState);
  const DeviceChanges changes = send(0x00);
  EXPECT_FALSE(changes.eeprom || changes.display || changes.state || changes.reset);
  EXPECT_EQ(keyboard.stateText(), kFactoryState);
}

struct MalformedReport {
  std::size_t size;
  std::uint8_t lengthByte;
};

void PrintTo(const MalformedReport& c, std::ostream* out) {
  *out << c.size << " bytes, length byte " << int{c.lengthByte};
}

class UsbDorvelRejectTest : public SimUsbDorvelKeyboardTest,
                            public ::testing::WithParamInterface<MalformedReport> {};

TEST_P(UsbDorvelRejectTest, CountsTheReportAndIgnoresIt) {
  Bytes bytes = report(0x19, textData("ab"));
  bytes.resize(GetParam().size);
  if (bytes.size() > 2) bytes[2] = GetParam().lengthByte;
  const DeviceChanges changes = keyboard.receive(bytes);
  EXPECT_TRUE(changes.state);
  EXPECT_FALSE(changes.display);
  EXPECT_EQ(state("rejected_reports"), "1");
  EXPECT_EQ(state("unknown_commands"), "");
  EXPECT_EQ(keyboard.display().text(), CharacterDisplay().text());
}

INSTANTIATE_TEST_SUITE_P(Sim, UsbDorvelRejectTest,
                         ::testing::Values(MalformedReport{0, 0}, MalformedReport{2, 0},
                                           MalformedReport{63, 2}, MalformedReport{65, 2},
                                           MalformedReport{64, 62}, MalformedReport{64, 255}));

struct SwitchCase {
  std::uint8_t command;
  std::string name;
  std::string on;
  std::string off;
};

void PrintTo(const SwitchCase& c, std::ostream* out) {
  *out << c.name << " " << int{c.command};
}

class UsbDorvelSwitchTest : public SimUsbDorvelKeyboardTest,
                            public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(UsbDorvelSwitchTest, OneSwitchesOnZeroOffAnythingElseIsIgnored) {
  const SwitchCase& c = GetParam();
  send(c.command, {0});
  EXPECT_EQ(state(c.name), c.off);
  EXPECT_TRUE(send(c.command, {1}).state);
  EXPECT_EQ(state(c.name), c.on);
  EXPECT_FALSE(send(c.command, {1}).state) << "no change, nothing to save";
  EXPECT_FALSE(send(c.command, {2}).state);
  EXPECT_EQ(state(c.name), c.on);
}

INSTANTIATE_TEST_SUITE_P(Sim, UsbDorvelSwitchTest,
                         ::testing::Values(SwitchCase{0x01, "keyboard", "1", "0"},
                                           SwitchCase{0x02, "key_click", "1", "0"},
                                           SwitchCase{0x05, "show_checksum", "1", "0"},
                                           SwitchCase{0x09, "operator_key", "1", "0"},
                                           SwitchCase{0x0A, "auto_repeat", "1", "0"},
                                           SwitchCase{0x0B, "beeper", "1", "0"},
                                           SwitchCase{0x20, "card_framing", "1", "0"},
                                           SwitchCase{0x21, "card_tracks", "1,1,1", "0,1,1"},
                                           SwitchCase{0x22, "card_tracks", "1,1,1", "1,0,1"},
                                           SwitchCase{0x23, "card_tracks", "1,1,1", "1,1,0"},
                                           SwitchCase{0x30, "display_mode", "1", "0"},
                                           SwitchCase{0x1D, "display_enabled", "1", "0"}));

struct UnknownCase {
  std::uint8_t command;
  std::size_t length;
};

void PrintTo(const UnknownCase& c, std::ostream* out) {
  *out << "command " << int{c.command} << ", length " << c.length;
}

class UsbDorvelUnknownTest : public SimUsbDorvelKeyboardTest,
                             public ::testing::WithParamInterface<UnknownCase> {};

TEST_P(UsbDorvelUnknownTest, IsRecordedAndOtherwiseIgnored) {
  const UnknownCase& c = GetParam();
  // Data that would act if the length were right: switch on, block 0, character 'A'.
  const DeviceChanges changes = send(c.command, Bytes(c.length, 1));
  EXPECT_TRUE(changes.state);
  EXPECT_FALSE(changes.display || changes.eeprom || changes.reset);
  std::string expected = kFactoryState;
  const char hex[] = "0123456789abcdef";
  expected.replace(expected.find("unknown_commands=") + 17, 0,
                   std::string{hex[c.command >> 4], hex[c.command & 0xF]});
  EXPECT_EQ(keyboard.stateText(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, UsbDorvelUnknownTest,
    ::testing::Values(UnknownCase{0x06, 0}, UnknownCase{0x0F, 1}, UnknownCase{0x10, 0},
                      UnknownCase{0x1E, 1}, UnknownCase{0x24, 1}, UnknownCase{0x2F, 1},
                      UnknownCase{0xFF, 0}, UnknownCase{0x00, 1}, UnknownCase{0x0B, 0},
                      UnknownCase{0x0B, 2}, UnknownCase{0x04, 16}, UnknownCase{0x08, 15},
                      UnknownCase{0x17, 1}, UnknownCase{0x18, 2}, UnknownCase{0x1B, 8},
                      UnknownCase{0x0E, 21}, UnknownCase{0x19, 21}, UnknownCase{0x19, 61}));

TEST_F(SimUsbDorvelKeyboardTest, UnknownCommandsAreListedInOrder) {
  send(0x06);
  send(0x2A, {1});
  EXPECT_EQ(state("unknown_commands"), "06,2a");
}

class SimUsbDorvelEepromTest : public SimUsbDorvelKeyboardTest {
 protected:
  static UsbDorvelKeyboard::Eeprom oldImage() {
    UsbDorvelKeyboard::Eeprom image{};
    for (std::size_t i = 0; i < image.size(); ++i)
      image[i] = static_cast<std::uint8_t>(i * 7);
    return image;
  }
  static Bytes block(std::uint8_t number, std::uint8_t first) {
    Bytes data{number};
    for (int i = 0; i < 16; ++i)
      data.push_back(static_cast<std::uint8_t>(first + i));
    return data;
  }

  SimUsbDorvelEepromTest() { keyboard = UsbDorvelKeyboard(oldImage()); }
};

TEST_F(SimUsbDorvelEepromTest, EndStoresTheBlocksOverTheOldImage) {
  EXPECT_TRUE(send(0x03, {1}).state);
  EXPECT_EQ(state("programming"), "1");
  EXPECT_FALSE(send(0x04, block(0, 0xA0)).eeprom);
  send(0x04, block(31, 0xC0));
  EXPECT_EQ(keyboard.eeprom(), oldImage()) << "nothing is stored before the end";

  const DeviceChanges changes = send(0x03, {0});
  EXPECT_TRUE(changes.eeprom);
  EXPECT_EQ(state("programming"), "0");
  UsbDorvelKeyboard::Eeprom expected = oldImage();
  for (int i = 0; i < 16; ++i) {
    expected[i] = static_cast<std::uint8_t>(0xA0 + i);
    expected[496 + i] = static_cast<std::uint8_t>(0xC0 + i);
  }
  EXPECT_EQ(keyboard.eeprom(), expected);
}

TEST_F(SimUsbDorvelEepromTest, BlocksOutsideAWriteOrPastTheLastAreIgnored) {
  send(0x04, block(1, 0xA0));
  send(0x03, {1});
  send(0x04, block(32, 0xB0));
  send(0x04, block(255, 0xB0));
  send(0x03, {0});
  EXPECT_EQ(keyboard.eeprom(), oldImage());
}

TEST_F(SimUsbDorvelEepromTest, EndWithoutBeginChangesNothing) {
  const DeviceChanges changes = send(0x03, {0});
  EXPECT_FALSE(changes.eeprom || changes.state);
  EXPECT_EQ(keyboard.stateText(), kFactoryState);
}

TEST_F(SimUsbDorvelEepromTest, AnotherBeginDropsTheBlocksSoFar) {
  send(0x03, {1});
  send(0x04, block(2, 0xA0));
  send(0x03, {1});
  send(0x03, {0});
  EXPECT_EQ(keyboard.eeprom(), oldImage());
}

TEST_F(SimUsbDorvelKeyboardTest, SetupRecordSetsOnlyWhatItSays) {
  //       ten switches ------------------------  type     brightness  zero
  send(0x08, {0, 1, 3, 0, 1, 3, 3, 3, 3, 1, /**/ 1, 4, /**/ 1, 7, /**/ 0, 0});
  EXPECT_EQ(state("setup"), "0,1,3,0,1,3,3,3,3,1");
  EXPECT_EQ(state("keyboard_type"), "4");
  EXPECT_EQ(state("brightness"), "7");

  send(0x08, {3, 0, 3, 3, 3, 3, 1, 3, 3, 3, /**/ 0, 9, /**/ 1, 16, /**/ 0, 0});
  EXPECT_EQ(state("setup"), "0,0,3,0,1,3,1,3,3,1");
  EXPECT_EQ(state("keyboard_type"), "4");
  EXPECT_EQ(state("brightness"), "7") << "brightness above 15";

  EXPECT_FALSE(send(0x08, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 0, 0, 0, 0, 0, 0}).state);
}

TEST_F(SimUsbDorvelKeyboardTest, ResetWithItsKeyRestartsTheFirmware) {
  send(0x19, textData("Hello"));
  send(0x30, {1});
  send(0x03, {1});
  const DeviceChanges changes = send(0x0C, {'5'});
  EXPECT_TRUE(changes.reset);
  EXPECT_TRUE(changes.display);
  EXPECT_EQ(state("resets"), "1");
  EXPECT_EQ(state("display_mode"), "0");
  EXPECT_EQ(state("programming"), "0");
  EXPECT_EQ(keyboard.display().text(), CharacterDisplay().text());
}

TEST_F(SimUsbDorvelKeyboardTest, ResetWithAnotherKeyIsIgnored) {
  const DeviceChanges changes = send(0x0C, {'4'});
  EXPECT_FALSE(changes.reset || changes.state);
  EXPECT_EQ(state("resets"), "0");
}

TEST_F(SimUsbDorvelKeyboardTest, InitialStringIsStoredAtTheEnd) {
  send(0x0D, {1});
  send(0x0E, textData("Hello"));
  send(0x0E, textData(""));
  send(0x0E, textData(" POS\n"));
  EXPECT_EQ(state("init_string"), "");
  EXPECT_TRUE(send(0x0D, {0}).state);
  EXPECT_EQ(state("init_string"), "Hello POS?") << "kept on its one line";
}

TEST_F(SimUsbDorvelKeyboardTest, InitialStringPiecesOutsideAWriteAreIgnored) {
  send(0x0E, textData("lost"));
  EXPECT_FALSE(send(0x0D, {0}).state);
  send(0x0D, {1});
  send(0x0E, textData("kept"));
  send(0x0D, {0});
  EXPECT_EQ(state("init_string"), "kept");
}

TEST_F(SimUsbDorvelKeyboardTest, BytesPastTheLengthMeanNothing) {
  Bytes text = report(0x19, textData("ab"));
  text[5] = 'Z';
  keyboard.receive(text);
  EXPECT_EQ(line(keyboard.display(), 0), "ab" + std::string(18, ' '));

  send(0x0D, {1});
  Bytes piece = report(0x0E, textData("cd"));
  piece[5] = 'Z';
  keyboard.receive(piece);
  send(0x0D, {0});
  EXPECT_EQ(state("init_string"), "cd");
}

struct DisplayCase {
  std::string name;
  std::vector<std::pair<std::uint8_t, Bytes>> commands;
  std::string line0;
  std::string line1;
  int row;
  int column;
};

void PrintTo(const DisplayCase& c, std::ostream* out) {
  *out << c.name;
}

class UsbDorvelDisplayTest : public SimUsbDorvelKeyboardTest,
                             public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(UsbDorvelDisplayTest, DrawsAtTheCursor) {
  const DisplayCase& c = GetParam();
  for (const auto& [command, data] : c.commands)
    EXPECT_TRUE(send(command, data).display);
  EXPECT_EQ(line(keyboard.display(), 0), c.line0 + std::string(20 - c.line0.size(), ' '));
  EXPECT_EQ(line(keyboard.display(), 1), c.line1 + std::string(20 - c.line1.size(), ' '));
  EXPECT_EQ(keyboard.display().row(), c.row);
  EXPECT_EQ(keyboard.display().column(), c.column);
  EXPECT_EQ(keyboard.stateText(), kFactoryState);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, UsbDorvelDisplayTest,
    ::testing::Values(
        DisplayCase{"GoToCountsFromZero",
                    {{0x19, textData("Hello")}, {0x17, {1, 2}}, {0x18, {'X'}}},
                    "Hello",
                    "  X",
                    1,
                    3},
        DisplayCase{"GoToOutOfRangeIsIgnored",
                    {{0x19, textData("ab")},
                     {0x17, {2, 0}},
                     {0x17, {0, 20}},
                     {0x17, {5, 5}},
                     {0x18, {'c'}}},
                    "abc",
                    "",
                    0,
                    3},
        DisplayCase{"TextWrapsToTheNextLine",
                    {{0x19, textData("abcdefghijklmnopqrst")}, {0x19, textData("uv")}},
                    "abcdefghijklmnopqrst",
                    "uv",
                    1,
                    2},
        DisplayCase{"Backspace", {{0x19, textData("abc")}, {0x11, {}}}, "ab", "", 0, 2},
        DisplayCase{"LineFeedThenCarriageReturn",
                    {{0x19, textData("abc")}, {0x12, {}}, {0x13, {}}, {0x18, {'d'}}},
                    "abc",
                    "d",
                    1,
                    1},
        DisplayCase{"ClearFirstLine",
                    {{0x19, textData("abc")}, {0x17, {1, 0}}, {0x19, textData("de")}, {0x15, {}}},
                    "",
                    "de",
                    0,
                    0},
        DisplayCase{"ClearSecondLine",
                    {{0x19, textData("abc")}, {0x17, {1, 0}}, {0x19, textData("de")}, {0x16, {}}},
                    "abc",
                    "",
                    1,
                    0},
        DisplayCase{"FormFeed",
                    {{0x19, textData("abc")}, {0x17, {1, 3}}, {0x19, textData("de")}, {0x14, {}}},
                    "",
                    "",
                    0,
                    0}),
    [](const auto& info) { return info.param.name; });

TEST_F(SimUsbDorvelKeyboardTest, UserCharacterKeepsFiveDotRows) {
  EXPECT_TRUE(send(0x1B, {2, 0xFF, 0x1F, 0xE0, 0x11, 0, 0, 0, 0x0A}).state);
  EXPECT_EQ(state("user_char_2"), "1f,1f,00,11,00,00,00,0a");
  EXPECT_EQ(state("user_char_0"), std::nullopt);
  EXPECT_FALSE(send(0x1B, {8, 1, 1, 1, 1, 1, 1, 1, 1}).state);
  EXPECT_EQ(state("user_char_8"), std::nullopt);
}

TEST_F(SimUsbDorvelKeyboardTest, BrightnessTakesZeroToFifteen) {
  EXPECT_TRUE(send(0x1C, {0}).state);
  EXPECT_EQ(state("brightness"), "0");
  EXPECT_FALSE(send(0x1C, {16}).state);
  EXPECT_EQ(state("brightness"), "0");
  send(0x07);
  send(0x07);
  EXPECT_EQ(state("bright_mode_toggles"), "2");
}

TEST_F(SimUsbDorvelKeyboardTest, CursorModeTakesTwoSwitches) {
  EXPECT_TRUE(send(0x1F, {1, 0}).state);
  EXPECT_EQ(state("cursor"), "1,0");
  EXPECT_FALSE(send(0x1F, {0, 2}).state);
  EXPECT_EQ(state("cursor"), "1,0");
  send(0x1F, {0, 1});
  EXPECT_EQ(state("cursor"), "0,1");
}

TEST_F(SimUsbDorvelKeyboardTest, DisplayControllerInstructionsAreListed) {
  send(0x1A, {0x38});
  EXPECT_TRUE(send(0x1A, {0x0C}).state);
  EXPECT_EQ(state("lcd_instructions"), "38,0c");
}

}  // namespace
}  // namespace velmar::sim
