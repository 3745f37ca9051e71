#include <gtest/gtest.h>

#include "dorvel/dorvel_32.h"
#include "platform/velmar_sim.h"

namespace {

TEST(DorvelOpenClose, OpenGreetsTheUsbKeyboardAndCloseWaits) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  EXPECT_EQ(OpenDorvel(), 0);
  EXPECT_EQ(IsDorvelUsbOn(), 1);
  std::array<std::uint8_t, 64> report{};
  ASSERT_EQ(VelmarSimTraffic("usb-dorvel", report.data(), 64), 64) << "one empty report";
  EXPECT_EQ(report[1], 0x00);
  EXPECT_EQ(report[2], 0x00);
  EXPECT_GE(CloseDorvel(), 300u);
}

TEST(DorvelOpenClose, OpenWithoutKeyboardStillReturnsZero) {
  EXPECT_EQ(OpenDorvel(), 0);
  EXPECT_EQ(IsDorvelUsbOn(), 0);
}

TEST(DorvelOpenClose, CloseWithoutOpenAndTwice) {
  EXPECT_GE(CloseDorvel(), 300u);
  EXPECT_GE(CloseDorvel(), 300u);
}

TEST(DorvelOpenClose, UnknownPlatformOpensNothing) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  for (const char* platform : {"other", "fail"}) {
    ASSERT_EQ(VelmarSimSetPlatform(platform), 1);
    EXPECT_EQ(OpenDorvel(), 0);
    EXPECT_EQ(VelmarSimTraffic("usb-dorvel", nullptr, 0), 0) << platform;
  }
}

}  // namespace
