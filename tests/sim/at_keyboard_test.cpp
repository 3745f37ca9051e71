#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/at_dorvel_keyboard.h"
#include "sim/keyboard_controller.h"
#include "tests/sim/state_lines.h"

namespace velmar::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::stateValue;

constexpr std::uint8_t kAck = 0xFA;

std::string line(const CharacterDisplay& display, int row) {
  const std::string text =
      display.text().substr(row * (CharacterDisplay::kColumns + 1), CharacterDisplay::kColumns);
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

AtDorvelKeyboard::Eeprom numberedImage() {
  AtDorvelKeyboard::Eeprom image{};
  for (std::size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>(i * 3 + 1);
  return image;
}

class SimAtKeyboardTest : public ::testing::Test {
 protected:
  // Sends the bytes one by one; returns what they changed together.
  DeviceChanges send(const Bytes& bytes) {
    DeviceChanges changes;
    for (std::uint8_t byte : bytes)
      changes |= keyboard.receive(byte, answers);
    return changes;
  }
  std::optional<std::string> state(std::string_view name) const {
    return stateValue(keyboard.stateText(), name);
  }

  AtDorvelKeyboard keyboard{numberedImage()};
  Bytes answers;
};

TEST_F(SimAtKeyboardTest, AnswersEveryByte) {
  const Bytes bytes{0xE2, 0x10, 1, 2,    3,    4,    0xE3, 0xDD, 0, 1, 2,    3,    4,   5,
                    6,    7,    8, 0xDB, 0x0F, 0xE7, 'A',  0x09, 1, 2, 0xE8, 0xE0, 0x42};
  send(bytes);
  EXPECT_EQ(answers, Bytes(bytes.size(), kAck));
}

TEST_F(SimAtKeyboardTest, LongBlockWritesAtItsPageAndAddress) {
  const DeviceChanges changes = send({0xE2, 0x03, 0x20, 0xA1, 0xA2, 0xA3, 0xA4, 0xE3});
  EXPECT_TRUE(changes.eeprom);
  AtDorvelKeyboard::Eeprom expected = numberedImage();
  std::copy_n(Bytes{0xA1, 0xA2, 0xA3, 0xA4}.begin(), 4, expected.begin() + 0x120);
  EXPECT_EQ(keyboard.eeprom(), expected) << "only bit 0 of the page counts";
  EXPECT_EQ(state("blocks"), "1");
}

TEST_F(SimAtKeyboardTest, BlockBytesPastTheEndAreDropped) {
  send({0xE2, 0x01, 0xFE, 0xA1, 0xA2, 0xA3, 0xA4, 0xE3});
  AtDorvelKeyboard::Eeprom expected = numberedImage();
  expected[510] = 0xA1;
  expected[511] = 0xA2;
  EXPECT_EQ(keyboard.eeprom(), expected);
}

TEST_F(SimAtKeyboardTest, ShortBlockIsWrittenWhenItsEndArrives) {
  EXPECT_TRUE(send({0xE2, 0x30, 0xB1, 0xB2, 0xB3, 0xB4, 0xE3}).eeprom);
  AtDorvelKeyboard::Eeprom expected = numberedImage();
  std::copy_n(Bytes{0xB1, 0xB2, 0xB3, 0xB4}.begin(), 4, expected.begin() + 0x30);
  EXPECT_EQ(keyboard.eeprom(), expected);

  send({0xE0});
  EXPECT_EQ(keyboard.eeprom(), expected);
  EXPECT_EQ(state("beeper"), "1") << "the byte after a short block is a command of its own";
  EXPECT_EQ(state("blocks"), "1");
}

TEST_F(SimAtKeyboardTest, SecondEndTurnsAShortBlockIntoALongOne) {
  send({0xE2, 0x01, 0x30, 0xB1, 0xB2, 0xB3, 0xE3});
  const DeviceChanges changes = send({0xE3});
  EXPECT_TRUE(changes.eeprom);
  AtDorvelKeyboard::Eeprom expected = numberedImage();
  std::copy_n(Bytes{0xB1, 0xB2, 0xB3, 0xE3}.begin(), 4, expected.begin() + 0x130);
  EXPECT_EQ(keyboard.eeprom(), expected) << "the short write at 0x01 is undone";
  EXPECT_EQ(state("blocks"), "1");
  EXPECT_EQ(state("unknown_commands"), "");
}

TEST_F(SimAtKeyboardTest, LongBlockWithoutItsEndIsMalformed) {
  const DeviceChanges changes = send({0xE2, 0x00, 0x40, 1, 2, 3, 4, 0xE0});
  EXPECT_FALSE(changes.eeprom);
  EXPECT_EQ(keyboard.eeprom(), numberedImage());
  EXPECT_EQ(state("malformed_blocks"), "1");
  EXPECT_EQ(state("blocks"), "0");
  EXPECT_EQ(state("beeper"), "1") << "the byte in place of the end is taken afresh";
}

TEST_F(SimAtKeyboardTest, LayoutEndIsCountedAndAsksForTheEepromToBeSaved) {
  EXPECT_TRUE(send({0xE4}).eeprom);
  send({0xE4});
  EXPECT_EQ(state("writes"), "2");
}

struct SettingCase {
  std::uint8_t on;
  std::uint8_t off;
  std::string name;
};

void PrintTo(const SettingCase& c, std::ostream* out) {
  *out << c.name;
}

class AtSettingTest : public SimAtKeyboardTest,
                      public ::testing::WithParamInterface<SettingCase> {};

TEST_P(AtSettingTest, OnAndOffBytes) {
  const SettingCase& c = GetParam();
  EXPECT_EQ(state(c.name), "0");
  EXPECT_TRUE(send({c.on}).state);
  EXPECT_EQ(state(c.name), "1");
  EXPECT_FALSE(send({c.on}).state);
  send({c.off});
  EXPECT_EQ(state(c.name), "0");
}

INSTANTIATE_TEST_SUITE_P(Sim, AtSettingTest,
                         ::testing::Values(SettingCase{0xE0, 0xE1, "beeper"},
                                           SettingCase{0xE5, 0xE6, "key_click"},
                                           SettingCase{0xEB, 0xEC, "operator_key"},
                                           SettingCase{0xDE, 0xDF, "card_framing"},
                                           SettingCase{0xE7, 0xE8, "display_mode"}));

TEST_F(SimAtKeyboardTest, UserCharacterTakesNumberAndEightRows) {
  send({0xDD, 7, 0xFF, 0x1F, 0xE0, 0x11, 0, 0, 0, 0x0A});
  EXPECT_EQ(state("user_char_7"), "1f,1f,00,11,00,00,00,0a");
  send({0xDD, 8, 1, 1, 1, 1, 1, 1, 1, 1, 0xE5});
  EXPECT_EQ(state("user_char_8"), std::nullopt);
  EXPECT_EQ(state("key_click"), "1") << "an ignored definition still takes its ten bytes";
}

TEST_F(SimAtKeyboardTest, CursorModeSwitchesTheDisplayOn) {
  send({0xDB, 0x0E});
  EXPECT_EQ(state("cursor"), "1,0");
  EXPECT_EQ(state("display_enabled"), "1");
  send({0xDB, 0x0D});
  EXPECT_EQ(state("cursor"), "0,1");
  send({0xDB, 0x05, 0xDB, 0x10});
  EXPECT_EQ(state("cursor"), "0,1");
  EXPECT_EQ(state("unknown_commands"), "") << "the ignored mode byte is still the argument";
}

TEST_F(SimAtKeyboardTest, ResetAnswersSelfTestAndClearsTheDisplay) {
  send({0xE7, 'H', 'i', 0xE8});
  answers.clear();
  const DeviceChanges changes = send({0xFF});
  EXPECT_EQ(answers, (Bytes{kAck, 0xAA}));
  EXPECT_TRUE(changes.reset);
  EXPECT_EQ(state("resets"), "1");
  EXPECT_EQ(line(keyboard.display(), 0), "");
}

TEST_F(SimAtKeyboardTest, ResetIsObeyedInDisplayMode) {
  send({0xE7, 'H', 'i'});
  answers.clear();
  EXPECT_TRUE(send({0xFF}).reset);
  EXPECT_EQ(answers, (Bytes{kAck, 0xAA}));
  EXPECT_EQ(state("display_mode"), "0");
  EXPECT_EQ(line(keyboard.display(), 0), "");
}

TEST_F(SimAtKeyboardTest, DisplayDataIsShownUntilLeft) {
  const DeviceChanges changes =
      send({0xE7, 'A', 'B', 'C', 0x08, 0x0A, 'D', 0x0D, 'E', 0x09, 1, 20, 'F', 0xE7, 0xE8, 'G'});
  EXPECT_TRUE(changes.display);
  EXPECT_EQ(line(keyboard.display(), 0), "AB                 F");
  EXPECT_EQ(line(keyboard.display(), 1), "E D");
  EXPECT_EQ(state("unknown_commands"), "47") << "'G' after leaving is a command";
}

TEST_F(SimAtKeyboardTest, DisplayGoToOutOfRangeLeavesTheCursor) {
  send({0xE7, 'A', 0x09, 3, 1, 0x09, 1, 21, 0x09, 0, 1, 'B'});
  EXPECT_EQ(line(keyboard.display(), 0), "AB");
  EXPECT_EQ(line(keyboard.display(), 1), "");
  send({0x0C, 'C', 0x09, 2, 2, 'X'});
  EXPECT_EQ(line(keyboard.display(), 0), "C");
  EXPECT_EQ(line(keyboard.display(), 1), " X");
}

TEST_F(SimAtKeyboardTest, OtherBytesAreUnknownCommands) {
  send({0xE8, 0x00, 0x41, 0xED});
  EXPECT_EQ(state("unknown_commands"), "00,41,ed");
}

TEST_F(SimAtKeyboardTest, SilentKeyboardNeitherAnswersNorActs) {
  keyboard.setSilent(true);
  EXPECT_EQ(state("silent"), "1");
  const DeviceChanges changes = send({0xE0, 0xE4});
  EXPECT_TRUE(answers.empty());
  EXPECT_FALSE(changes.state || changes.eeprom);
  keyboard.setSilent(false);
  send({0xE0});
  EXPECT_EQ(answers, Bytes{kAck});
  EXPECT_EQ(state("beeper"), "1");
  EXPECT_EQ(state("writes"), "0");
}

TEST_F(SimAtKeyboardTest, ResendRequestDropsTheByteSoTheSecondCopyCounts) {
  keyboard.requestResends(2);
  EXPECT_EQ(state("resends_pending"), "2");
  send({0xE2, 0xE2, 0xE2, 0x20, 1, 2, 3, 4, 0xE3});
  EXPECT_EQ(answers, (Bytes{0xFE, 0xFE, kAck, kAck, kAck, kAck, kAck, kAck, kAck}));
  EXPECT_EQ(state("resends_pending"), "0");
  EXPECT_EQ(state("blocks"), "1");
  EXPECT_EQ(keyboard.eeprom()[0x20], 1);
}

TEST_F(SimAtKeyboardTest, ResendInsideABlockKeepsTheBlockGoing) {
  send({0xE2, 0x20, 1});
  keyboard.requestResends(1);
  send({2, 2, 3, 4, 0xE3});
  EXPECT_EQ(keyboard.eeprom()[0x21], 2);
  EXPECT_EQ(keyboard.eeprom()[0x23], 4);
  EXPECT_EQ(state("blocks"), "1");
}

class SimKeyboardControllerTest : public ::testing::Test {
 protected:
  void plugIn() {
    controller.connect([this](std::uint8_t byte, std::vector<std::uint8_t>& answers) {
      keyboard.receive(byte, answers);
    });
  }

  AtDorvelKeyboard keyboard;
  KeyboardController controller;
};

TEST_F(SimKeyboardControllerTest, AnswersWaitInTheOutputBuffer) {
  plugIn();
  EXPECT_EQ(controller.read(0x64), 0x00);
  controller.write(0x60, 0xE0);
  controller.write(0x60, 0xFF);
  EXPECT_EQ(controller.read(0x64), 0x01);
  EXPECT_EQ(controller.read(0x60), kAck);
  EXPECT_EQ(controller.read(0x60), kAck);
  EXPECT_EQ(controller.read(0x64), 0x01);
  EXPECT_EQ(controller.read(0x60), 0xAA);
  EXPECT_EQ(controller.read(0x64), 0x00);
  EXPECT_EQ(controller.read(0x60), 0xAA) << "an empty buffer repeats the last byte";
  EXPECT_EQ(stateValue(keyboard.stateText(), "beeper"), "1");
}

TEST_F(SimKeyboardControllerTest, WithoutKeyboardNothingAnswers) {
  controller.write(0x60, 0xFF);
  EXPECT_EQ(controller.read(0x64), 0x00);
  EXPECT_EQ(controller.read(0x60), 0x00);
}

TEST_F(SimKeyboardControllerTest, ControllerCommandsAndOtherPorts) {
  plugIn();
  controller.write(0x64, 0xAA);
  controller.write(0x61, 0xE0);
  EXPECT_EQ(controller.read(0x64), 0x00);
  EXPECT_EQ(controller.read(0x61), 0xFF);
  EXPECT_EQ(stateValue(keyboard.stateText(), "beeper"), "0");
}

TEST_F(SimKeyboardControllerTest, BusyKeepsTheInputBufferFullForSomeReads) {
  plugIn();
  controller.setBusy(2);
  controller.write(0x60, 0xE0);
  EXPECT_EQ(controller.read(0x64), 0x03) << "a byte written while busy is still taken";
  EXPECT_EQ(controller.read(0x64), 0x03);
  EXPECT_EQ(controller.read(0x64), 0x01);
  controller.setBusy(-1);
  for (int i = 0; i < 100; ++i)
    ASSERT_EQ(controller.read(0x64) & 0x02, 0x02);
  controller.setBusy(0);
  EXPECT_EQ(controller.read(0x64) & 0x02, 0x00);
}

}  // namespace
}  // namespace velmar::sim
