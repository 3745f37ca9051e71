#include <gtest/gtest.h>

#include <ostream>

#include "dorvel/dorvel_32.h"
#include "platform/velmar_sim.h"

namespace {

constexpr const char* kKey = "\\SOFTWARE\\VELMAR\\Dorvel USB\\1.0";

struct DiscoveryCase {
  const char* name;
  const char* device;  // attached keyboard
  const char* vend;    // configured "Vend", nullptr for no key
  const char* prod;
  int found;
  friend void PrintTo(const DiscoveryCase& c, std::ostream* os) { *os << c.name; }
};

class DorvelDiscovery : public ::testing::TestWithParam<DiscoveryCase> {};

TEST_P(DorvelDiscovery, FindsTheKeyboardByItsIds) {
  const DiscoveryCase& c = GetParam();
  ASSERT_EQ(VelmarSimAttach(c.device), 1);
  if (c.vend) {
    VelmarSimSetConfig(kKey, "Vend", c.vend);
    VelmarSimSetConfig(kKey, "Prod", c.prod);
  }
  EXPECT_EQ(IsDorvelUsbOn(), c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, DorvelDiscovery,
    ::testing::Values(
        DiscoveryCase{"BuiltInPairWithoutConfiguration", "usb-dorvel", nullptr, nullptr, 1},
        DiscoveryCase{"OtherIdsWithoutConfiguration", "usb-dorvel:abcd:0001", nullptr, nullptr, 0},
        DiscoveryCase{"ConfiguredPair", "usb-dorvel:abcd:0001", "1234;ABCD;", "0002;0001;", 1},
        DiscoveryCase{"ConfiguredInLowerCase", "usb-dorvel:abcd:0001", "abcd;", "1;", 1},
        DiscoveryCase{"PairsGoByPosition", "usb-dorvel:abcd:0001", "1234;ABCD;", "0001;0002;", 0},
        DiscoveryCase{"LastIdWithoutSemicolonIsDropped", "usb-dorvel:abcd:0001", "1234;ABCD",
                      "0002;0001", 0},
        DiscoveryCase{"DigitsAfterTheFourthAreIgnored", "usb-dorvel:abcd:0001", "ABCDEF;", "00012;",
                      1},
        DiscoveryCase{"VendorZeroNeverMatches", "usb-dorvel:0000:0001", "0;", "0001;", 0},
        DiscoveryCase{"ProductZeroNeverMatches", "usb-dorvel:abcd:0000", "ABCD;", "0;", 0},
        DiscoveryCase{"BuiltInPairStaysWithConfiguration", "usb-dorvel", "ABCD;", "0001;", 1},
        DiscoveryCase{"OtherFamilyIsNotTaken", "usb-ilvar", nullptr, nullptr, 0}),
    [](const auto& info) { return info.param.name; });

TEST(DorvelLink, ReplugIsFoundWithoutOpening) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  ASSERT_EQ(IsDorvelUsbOn(), 1);
  ASSERT_EQ(VelmarSimDetach("usb-dorvel"), 1);
  BackSpace();  // the write fails after one re-discovery
  EXPECT_EQ(IsDorvelUsbOn(), 0);
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  BackSpace();
  EXPECT_EQ(IsDorvelUsbOn(), 1);
  std::array<std::uint8_t, 64> report{};
  ASSERT_EQ(VelmarSimTraffic("usb-dorvel", report.data(), 64), 64);
  EXPECT_EQ(report[1], 0x11);
}

}  // namespace
