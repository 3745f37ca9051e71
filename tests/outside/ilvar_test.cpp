#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <vector>

#include "outside/ilvar/ilvar.h"
#include "tests/dorvel/sim_keyboard.h"

namespace {

using velmar::testing::eeprom;
using velmar::testing::receivedReports;
using Image = std::array<std::uint8_t, 512>;

class IlvarKeyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(VelmarSimAttach("usb-ilvar"), 1);
    std::iota(image.begin(), image.end(), 1);
  }
  Image image{};
};

TEST_F(IlvarKeyboard, ProgrammingSendsBeginSixteenBlocksAndTheSum) {
  EXPECT_EQ(IlvarProgKeyboard(512, image.data()), 1);
  const auto reports = receivedReports("usb-ilvar");
  ASSERT_EQ(reports.size(), 19u);
  EXPECT_EQ(reports[0][1], 0x00) << "presence check of the fresh open";
  EXPECT_EQ(reports[1][1], 0x01);
  for (std::size_t block = 0; block < 16; ++block) {
    const auto& report = reports[2 + block];
    EXPECT_EQ(report[1], 0x02);
    EXPECT_EQ(report[2], block);
    EXPECT_TRUE(std::equal(report.begin() + 3, report.begin() + 35, image.begin() + 32 * block))
        << "block " << block;
  }
  const unsigned sum = std::accumulate(image.begin(), image.end(), 0u) & 0xFFFF;
  EXPECT_EQ(reports[18][1], 0x03);
  EXPECT_EQ(reports[18][2], sum >> 8);
  EXPECT_EQ(reports[18][3], sum & 0xFF);
  EXPECT_EQ(eeprom("usb-ilvar"), image);
}

TEST_F(IlvarKeyboard, TakesTheGivenSizeAndZerosTheRest) {
  for (std::uint32_t size : {1u, 2u, 511u, 512u}) {
    SCOPED_TRACE(size);
    EXPECT_EQ(IlvarProgKeyboard(size, image.data()), 1);
    Image expected{};
    std::copy_n(image.begin(), size, expected.begin());
    EXPECT_EQ(eeprom("usb-ilvar"), expected);
  }
}

TEST_F(IlvarKeyboard, RejectedArgumentsSendNothing) {
  EXPECT_EQ(IlvarProgKeyboard(0, image.data()), 0);
  EXPECT_EQ(IlvarProgKeyboard(513, image.data()), 0);
  EXPECT_EQ(IlvarProgKeyboard(511, nullptr), 0);
  EXPECT_EQ(VelmarSimTraffic("usb-ilvar", nullptr, 0), 0);
}

TEST_F(IlvarKeyboard, AFailedWriteKeepsTheOldLayout) {
  ASSERT_EQ(IlvarProgKeyboard(512, image.data()), 1);
  ASSERT_EQ(VelmarSimFailWrites("usb-ilvar", 1000), 1);
  const Image other{};
  EXPECT_EQ(IlvarProgKeyboard(512, other.data()), 0);
  EXPECT_EQ(eeprom("usb-ilvar"), image);
}

TEST_F(IlvarKeyboard, TheLinkFollowsThePlug) {
  EXPECT_EQ(OpenIlvar(), 1);
  EXPECT_EQ(IsIlvarUsbOn(), 1);
  ASSERT_EQ(VelmarSimDetach("usb-ilvar"), 1);
  EXPECT_EQ(IsIlvarUsbOn(), 0);
  EXPECT_EQ(IlvarProgKeyboard(512, image.data()), 0);
  ASSERT_EQ(VelmarSimAttach("usb-ilvar"), 1);
  EXPECT_EQ(IsIlvarUsbOn(), 1);
  EXPECT_EQ(IlvarProgKeyboard(512, image.data()), 1);
  CloseIlvar();
  EXPECT_EQ(IsIlvarUsbOn(), 1) << "a closed library looks for the keyboard again";
}

TEST(IlvarWithoutKeyboard, FindsNothingAndTakesNoOtherFamily) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  EXPECT_EQ(OpenIlvar(), 0);
  EXPECT_EQ(IsIlvarUsbOn(), 0);
  const Image image{};
  EXPECT_EQ(IlvarProgKeyboard(511, image.data()), 0);
  EXPECT_EQ(VelmarSimTraffic("usb-dorvel", nullptr, 0), 0);
}

}  // namespace
