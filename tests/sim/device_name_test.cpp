#include "sim/device_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmar::sim {
namespace {

struct ValidName {
  std::string text;
  DeviceKind kind;
  std::uint16_t vendorId;
  std::uint16_t productId;
  std::string fileTag;
};

void PrintTo(const ValidName& c, std::ostream* out) {
  *out << c.text;
}

class DeviceNameTest : public ::testing::TestWithParam<ValidName> {};

TEST_P(DeviceNameTest, ParsesKindIdsAndFileTag) {
  const ValidName& c = GetParam();
  const std::optional<DeviceName> device = parseDeviceName(c.text);
  ASSERT_TRUE(device);
  EXPECT_EQ(device->kind, c.kind);
  EXPECT_EQ(device->vendorId, c.vendorId);
  EXPECT_EQ(device->productId, c.productId);
  EXPECT_EQ(device->name, c.text);
  EXPECT_EQ(device->fileTag, c.fileTag);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, DeviceNameTest,
    ::testing::Values(
        ValidName{"usb-dorvel", DeviceKind::UsbDorvel, 0x1753, 0x0101, "usb-dorvel"},
        ValidName{"usb-ilvar", DeviceKind::UsbIlvar, 0x1753, 0x0301, "usb-ilvar"},
        ValidName{"at-dorvel", DeviceKind::AtDorvel, 0, 0, "at-dorvel"},
        ValidName{"usb-dorvel:abcd:0001", DeviceKind::UsbDorvel, 0xABCD, 0x0001,
                  "usb-dorvel-abcd-0001"},
        ValidName{"usb-ilvar:1234:5678", DeviceKind::UsbIlvar, 0x1234, 0x5678,
                  "usb-ilvar-1234-5678"},
        ValidName{"usb-dorvel:F:aB", DeviceKind::UsbDorvel, 0x000F, 0x00AB, "usb-dorvel-F-aB"},
        ValidName{"usb-ilvar:0:0000", DeviceKind::UsbIlvar, 0, 0, "usb-ilvar-0-0000"}));

class DeviceNameRejectTest : public ::testing::TestWithParam<std::string> {};

TEST_P(DeviceNameRejectTest, NamesNoKeyboard) {
  EXPECT_FALSE(parseDeviceName(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Sim, DeviceNameRejectTest,
    ::testing::Values("", "none", "USB-DORVEL", "Usb-dorvel", "usb-dorvel ", " usb-dorvel",
                      "usb-dorvelx", "usb", "at-dorvel:1:2", "usb-dorvel:", "usb-dorvel:1",
                      "usb-dorvel:1:", "usb-dorvel::1", "usb-dorvel:12345:1", "usb-dorvel:1:12345",
                      "usb-dorvel:1:2:3", "usb-dorvel:g:1", "usb-dorvel:1:G", "usb-dorvel:+1:1",
                      "usb-ilvar:1:-1", "usb-ilvar:0x1:1", "usb-dorvel-abcd-0001"));

struct ListCase {
  std::string list;
  std::vector<std::string> names;
};

void PrintTo(const ListCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(c.list);
}

class DeviceListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(DeviceListTest, SplitsOnCommasAndDropsBlanksAndNone) {
  EXPECT_EQ(splitDeviceList(GetParam().list), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(Sim, DeviceListTest,
                         ::testing::Values(ListCase{"", {}}, ListCase{"none", {}},
                                           ListCase{" , ,\t", {}},
                                           ListCase{"usb-dorvel", {"usb-dorvel"}},
                                           ListCase{" usb-dorvel , at-dorvel,usb-ilvar:1:2 ",
                                                    {"usb-dorvel", "at-dorvel", "usb-ilvar:1:2"}},
                                           ListCase{"none,usb-ilvar,,none", {"usb-ilvar"}},
                                           ListCase{"None,bogus", {"None", "bogus"}}));

}  // namespace
}  // namespace velmar::sim
