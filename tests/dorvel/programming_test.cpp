#include <gtest/gtest.h>

#include <numeric>

#include "dorvel/dorvel_32.h"
#include "sim_keyboard.h"

namespace {

using velmar::testing::eeprom;
using velmar::testing::receivedReports;

class DorvelProgramming : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
    std::iota(image.begin(), image.end(), 1);
  }
  std::array<std::uint8_t, 512> image{};
};

TEST_F(DorvelProgramming, SendsBeginThirtyTwoBlocksAndEnd) {
  EXPECT_EQ(DorvelProgKeyboard(511, image.data()), 1);
  const auto reports = receivedReports("usb-dorvel");
  ASSERT_EQ(reports.size(), 34u);
  EXPECT_EQ(reports.front()[1], 0x03);
  EXPECT_EQ(reports.front()[3], 1);
  for (std::size_t block = 0; block < 32; ++block) {
    const auto& report = reports[block + 1];
    EXPECT_EQ(report[1], 0x04);
    EXPECT_EQ(report[2], 17);
    EXPECT_EQ(report[3], block);
    EXPECT_TRUE(std::equal(report.begin() + 4, report.begin() + 20, image.begin() + block * 16))
        << "block " << block;
  }
  EXPECT_EQ(reports.back()[1], 0x03);
  EXPECT_EQ(reports.back()[3], 0);

  auto expected = image;
  expected[511] = 0;  // the caller's 512th byte is never taken
  EXPECT_EQ(eeprom("usb-dorvel"), expected);
}

TEST_F(DorvelProgramming, ShortImagesArePaddedWithZeros) {
  EXPECT_EQ(DorvelProgKeyboard(2, image.data()), 1);
  std::array<std::uint8_t, 512> expected{};
  expected[0] = image[0];
  expected[1] = image[1];
  EXPECT_EQ(eeprom("usb-dorvel"), expected);
}

TEST_F(DorvelProgramming, RejectedSizesAndNoImageSendNothing) {
  EXPECT_EQ(DorvelProgKeyboard(1, image.data()), 0);
  EXPECT_EQ(DorvelProgKeyboard(512, image.data()), 0);
  EXPECT_EQ(DorvelProgKeyboard(0, image.data()), 0);
  EXPECT_EQ(DorvelProgKeyboard(511, nullptr), 0);
  EXPECT_TRUE(receivedReports("usb-dorvel").empty());
}

TEST(DorvelProgrammingWithoutUsb, FailsAndWritesNothing) {
  std::array<std::uint8_t, 512> image{};
  EXPECT_EQ(DorvelProgKeyboard(511, image.data()), 0);
}

TEST(DorvelProgrammingUnplugged, AKeyboardLeavingMidwayFailsTheWrite) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  // Every write fails from the third report on, retries included.
  ASSERT_EQ(IsDorvelUsbOn(), 1);
  ASSERT_EQ(VelmarSimFailWrites("usb-dorvel", 1000), 1);
  std::array<std::uint8_t, 512> image{};
  EXPECT_EQ(DorvelProgKeyboard(511, image.data()), 0);
}

}  // namespace
