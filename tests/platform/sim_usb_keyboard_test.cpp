#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/platform.h"
#include "platform/velmar_sim.h"

namespace velmar::platform {
namespace {

using Report = std::array<std::uint8_t, 64>;

Report report(std::uint8_t command, std::vector<std::uint8_t> data) {
  Report bytes{};
  bytes[1] = command;
  bytes[2] = static_cast<std::uint8_t>(data.size());
  std::copy(data.begin(), data.end(), bytes.begin() + 3);
  return bytes;
}

std::unique_ptr<HidDevice> openFirst(std::uint16_t vendorId, std::uint16_t productId) {
  for (const HidDeviceInfo& info : hidBus().enumerate()) {
    if (info.attributes.vendorId == vendorId && info.attributes.productId == productId) {
      return hidBus().open(info.path);
    }
  }
  return nullptr;
}

std::array<std::uint8_t, 512> eepromOf(const char* device) {
  std::array<std::uint8_t, 512> eeprom{};
  EXPECT_EQ(VelmarSimEeprom(device, eeprom.data()), 1);
  return eeprom;
}

// Begin, 32 blocks of 16 bytes, end: what the device library sends to program a layout.
void program(HidDevice& device, const std::array<std::uint8_t, 512>& image) {
  ASSERT_TRUE(device.write(report(0x03, {1})));
  for (std::uint8_t block = 0; block < 32; ++block) {
    std::vector<std::uint8_t> data{block};
    data.insert(data.end(), image.begin() + block * 16, image.begin() + block * 16 + 16);
    ASSERT_TRUE(device.write(report(0x04, data)));
  }
  ASSERT_TRUE(device.write(report(0x03, {0})));
}

std::array<std::uint8_t, 512> sampleImage() {
  std::array<std::uint8_t, 512> image{};
  for (std::size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return image;
}

TEST(SimUsbKeyboard, ProgrammingStoresTheImageAndItsFile) {
  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / ("velmar-usb-" + std::to_string(getpid()));
  std::filesystem::remove_all(directory);
  setenv("VELMAR_SIM_DIR", directory.c_str(), 1);
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);

  auto device = openFirst(0x1753, 0x0101);
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->outputReportLength(), 64u);
  const auto image = sampleImage();
  program(*device, image);

  EXPECT_EQ(eepromOf("usb-dorvel"), image);
  std::ifstream file(directory / "eeprom-usb-dorvel.bin", std::ios::binary);
  const std::vector<std::uint8_t> saved((std::istreambuf_iterator<char>(file)), {});
  EXPECT_EQ(saved, std::vector<std::uint8_t>(image.begin(), image.end()));

  // Traffic is the reports received, whole: begin, 32 blocks, end.
  EXPECT_EQ(VelmarSimTraffic("usb-dorvel", nullptr, 0), 34 * 64);
  std::filesystem::remove_all(directory);
}

TEST(SimUsbKeyboard, RemembersItsEepromAcrossRuns) {
  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / ("velmar-usb-again-" + std::to_string(getpid()));
  std::filesystem::create_directories(directory);
  const auto image = sampleImage();
  std::ofstream(directory / "eeprom-usb-dorvel.bin", std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), image.size());
  setenv("VELMAR_SIM_DIR", directory.c_str(), 1);
  setenv("VELMAR_SIM_DEVICES", "usb-dorvel", 1);

  EXPECT_EQ(eepromOf("usb-dorvel"), image);
  std::filesystem::remove_all(directory);
}

TEST(SimUsbKeyboard, UnpluggedFailsWritesAndComesBackWithANewHandle) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  auto before = openFirst(0x1753, 0x0101);
  ASSERT_NE(before, nullptr);

  ASSERT_EQ(VelmarSimDetach("usb-dorvel"), 1);
  EXPECT_FALSE(before->write(report(0x0B, {1})));
  EXPECT_EQ(openFirst(0x1753, 0x0101), nullptr);

  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  EXPECT_FALSE(before->write(report(0x0B, {1}))) << "a handle of the earlier plug-in";
  auto after = openFirst(0x1753, 0x0101);
  ASSERT_NE(after, nullptr);
  EXPECT_TRUE(after->write(report(0x0B, {1})));
}

TEST(SimUsbKeyboard, InjectedWriteFailuresAndWrongLengths) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  auto device = openFirst(0x1753, 0x0101);
  ASSERT_NE(device, nullptr);
  ASSERT_EQ(VelmarSimFailWrites("usb-dorvel", 2), 1);
  EXPECT_FALSE(device->write(report(0x0B, {1})));
  EXPECT_FALSE(device->write(report(0x0B, {1})));
  EXPECT_TRUE(device->write(report(0x0B, {1})));
  const std::array<std::uint8_t, 8> shortReport{};
  EXPECT_FALSE(device->write(shortReport));
  EXPECT_EQ(VelmarSimTraffic("usb-dorvel", nullptr, 0), 64) << "only the written report";
}

TEST(SimUsbKeyboard, ConfiguredIdsAndTheIlvarFamilyEnumerate) {
  setenv("VELMAR_SIM_DEVICES", "usb-dorvel:abcd:0001, usb-ilvar", 1);
  EXPECT_NE(openFirst(0xABCD, 0x0001), nullptr);
  EXPECT_NE(openFirst(0x1753, 0x0301), nullptr);
  EXPECT_EQ(openFirst(0x1753, 0x0101), nullptr);
  EXPECT_EQ(VelmarSimAttach("usb-ilvar"), 0) << "already attached";
  EXPECT_EQ(VelmarSimAttach("usb-nothing"), 0);
}

TEST(SimUsbKeyboard, DisplayCommandsShowOnTheDisplay) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  auto device = openFirst(0x1753, 0x0101);
  ASSERT_NE(device, nullptr);
  ASSERT_TRUE(device->write(report(0x19, {'T', 'O', 'T', 'A', 'L'})));
  ASSERT_TRUE(device->write(report(0x17, {1, 2})));
  ASSERT_TRUE(device->write(report(0x18, {'9'})));
  char text[64];
  ASSERT_GT(VelmarSimDisplay(text, sizeof text), 0);
  EXPECT_STREQ(text, "TOTAL               \n  9                 \n");
}

TEST(SimUsbKeyboard, ResetLeavesTheBusForAWhile) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  auto device = openFirst(0x1753, 0x0101);
  ASSERT_NE(device, nullptr);
  ASSERT_TRUE(device->write(report(0x0C, {'5'})));
  EXPECT_EQ(openFirst(0x1753, 0x0101), nullptr);
  EXPECT_FALSE(device->write(report(0x00, {})));
  clock().sleepMs(1100);
  auto again = openFirst(0x1753, 0x0101);
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(again->write(report(0x00, {})));
}

}  // namespace
}  // namespace velmar::platform
