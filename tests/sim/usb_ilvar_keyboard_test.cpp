#include "sim/usb_ilvar_keyboard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/sim/state_lines.h"

namespace velmar::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::stateValue;

UsbIlvarKeyboard::Eeprom imageStartingAt(std::uint8_t first) {
  UsbIlvarKeyboard::Eeprom image{};
  for (std::size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>(first + i);
  return image;
}

Bytes report(std::uint8_t command, const Bytes& data = {}) {
  Bytes bytes(ilvar::kReportLength, 0);
  bytes[1] = command;
  std::copy(data.begin(), data.end(), bytes.begin() + 2);
  return bytes;
}

Bytes endReport(std::uint16_t sum) {
  return report(ilvar::kEnd, {static_cast<std::uint8_t>(sum >> 8), static_cast<std::uint8_t>(sum)});
}

class SimUsbIlvarKeyboardTest : public ::testing::Test {
 protected:
  void begin() { keyboard.receive(report(ilvar::kBegin)); }
  void sendBlock(std::size_t number, const UsbIlvarKeyboard::Eeprom& image) {
    Bytes data{static_cast<std::uint8_t>(number)};
    const auto first = image.begin() + number * ilvar::kBlockSize;
    data.insert(data.end(), first, first + ilvar::kBlockSize);
    keyboard.receive(report(ilvar::kBlock, data));
  }
  std::optional<std::string> state(std::string_view name) const {
    return stateValue(keyboard.stateText(), name);
  }

  const UsbIlvarKeyboard::Eeprom oldImage = imageStartingAt(0);
  const UsbIlvarKeyboard::Eeprom newImage = imageStartingAt(0x80);
  UsbIlvarKeyboard keyboard{oldImage};
};

TEST_F(SimUsbIlvarKeyboardTest, StoresTheImageWhenTheSumMatches) {
  begin();
  EXPECT_EQ(state("programming"), "1");
  for (std::size_t n = 0; n < ilvar::kBlockCount; ++n)
    sendBlock(n, newImage);
  EXPECT_EQ(keyboard.eeprom(), oldImage);
  const DeviceChanges changes = keyboard.receive(endReport(ilvar::imageSum(newImage)));
  EXPECT_TRUE(changes.eeprom);
  EXPECT_EQ(keyboard.eeprom(), newImage);
  EXPECT_EQ(state("programmed"), "1");
  EXPECT_EQ(state("programming"), "0");
}

TEST_F(SimUsbIlvarKeyboardTest, BlocksNotSentKeepTheOldBytes) {
  begin();
  sendBlock(15, newImage);
  UsbIlvarKeyboard::Eeprom expected = oldImage;
  std::copy(newImage.end() - 32, newImage.end(), expected.end() - 32);
  keyboard.receive(endReport(ilvar::imageSum(expected)));
  EXPECT_EQ(keyboard.eeprom(), expected);
}

TEST_F(SimUsbIlvarKeyboardTest, WrongSumIsRejectedAndEndsProgramming) {
  begin();
  sendBlock(0, newImage);
  const DeviceChanges changes = keyboard.receive(endReport(ilvar::imageSum(oldImage)));
  EXPECT_FALSE(changes.eeprom);
  EXPECT_EQ(keyboard.eeprom(), oldImage);
  EXPECT_EQ(state("rejected_programs"), "1");
  EXPECT_EQ(state("programming"), "0");
}

TEST_F(SimUsbIlvarKeyboardTest, EndWithoutBeginIsRejected) {
  keyboard.receive(endReport(ilvar::imageSum(oldImage)));
  EXPECT_EQ(state("rejected_programs"), "1");
  EXPECT_EQ(state("programmed"), "0");
}

TEST_F(SimUsbIlvarKeyboardTest, BlocksOutsideProgrammingOrPastTheLastAreIgnored) {
  sendBlock(0, newImage);
  begin();
  keyboard.receive(report(ilvar::kBlock, Bytes(33, 16)));
  keyboard.receive(report(ilvar::kBlock, Bytes(33, 0xFF)));
  keyboard.receive(endReport(ilvar::imageSum(oldImage)));
  EXPECT_EQ(keyboard.eeprom(), oldImage);
  EXPECT_EQ(state("programmed"), "1");
}

TEST_F(SimUsbIlvarKeyboardTest, UnknownCommandsAndOtherLengthsAreCounted) {
  EXPECT_FALSE(keyboard.receive(report(ilvar::kPresence)).state);
  keyboard.receive(report(0x04));
  keyboard.receive(report(0xFF));
  keyboard.receive(Bytes(63, 0));
  keyboard.receive(Bytes{});
  EXPECT_EQ(state("unknown_reports"), "4");
  EXPECT_EQ(state("programming"), "0");
}

}  // namespace
}  // namespace velmar::sim
