#include <gtest/gtest.h>

#include "dorvel/dorvel_32.h"
#include "dorvel/library_state.h"
#include "dorvel/transport/usb_hid.h"
#include "platform/velmar_sim.h"

namespace velmar::dorvel {
namespace {

class DorvelLinkStates : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
    ASSERT_EQ(OpenDorvel(), 0);
    ASSERT_EQ(library.IsDorvelUsb, kUsbOn);
    ASSERT_EQ(library.UsbRetries, 0);
  }
  LibraryState& library = state();
};

TEST_F(DorvelLinkStates, UnplugLosesTheLinkAndElevenProbesGiveItUp) {
  ASSERT_EQ(VelmarSimDetach("usb-dorvel"), 1);
  EXPECT_EQ(SendReport(MakeReport(0x11)), -1);
  EXPECT_EQ(library.IsDorvelUsb, 0);
  EXPECT_EQ(library.UsbWasOn, kUsbOn) << "lost, not gone";

  for (int probe = 1; probe <= 10; ++probe) {
    EXPECT_FALSE(UsbLinkUp());
    EXPECT_EQ(library.UsbWasOn, kUsbOn) << "after probe " << probe;
  }
  EXPECT_FALSE(UsbLinkUp());
  EXPECT_EQ(library.UsbWasOn, 0) << "no link after the eleventh failed probe";
  EXPECT_EQ(library.UsbRetries, 0);
}

TEST_F(DorvelLinkStates, ReplugWhileLostComesBackAtTheNextProbe) {
  ASSERT_EQ(VelmarSimDetach("usb-dorvel"), 1);
  EXPECT_EQ(SendReport(MakeReport(0x11)), -1);
  EXPECT_FALSE(UsbLinkUp());
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  EXPECT_TRUE(UsbLinkUp());
  EXPECT_EQ(library.UsbRetries, 0);
  EXPECT_EQ(SendReport(MakeReport(0x11)), 0);
}

TEST_F(DorvelLinkStates, AHandleOfAnEarlierPlugInIsReplacedByOneRetry) {
  ASSERT_EQ(VelmarSimDetach("usb-dorvel"), 1);
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  EXPECT_EQ(SendReport(MakeReport(0x11)), 0) << "the stale handle fails, the new one takes it";
  EXPECT_EQ(VelmarSimTraffic("usb-dorvel", nullptr, 0), 64);
}

}  // namespace
}  // namespace velmar::dorvel
