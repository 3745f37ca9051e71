#include <gtest/gtest.h>

#include <cstdio>

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

TEST(DorvelOpenClose, ASecondProcessLoadsAndUsesTheLibraryMeanwhile) {
  ASSERT_EQ(OpenDorvel(), 0);
  // The example program loads the library in a process of its own and swipes two cards.
  FILE* other = popen(VELMAR_BINARY_DIR "/examples/print_card_reads", "r");
  ASSERT_NE(other, nullptr);
  char line[128];
  int cards = 0;
  while (std::fgets(line, sizeof line, other))
    ++cards;
  EXPECT_EQ(pclose(other), 0);
  EXPECT_EQ(cards, 2);
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
