#include <gtest/gtest.h>

#include <unistd.h>
#include <array>

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "platform/velmar_sim.h"

namespace velmar::platform {
namespace {

std::unique_ptr<Service> openDriverService(
    ServiceManagerAccess access = ServiceManagerAccess::Full) {
  auto opened = drivers().openServiceManager(access);
  return opened.manager ? opened.manager->openService(kDriverService) : nullptr;
}

TEST(SimDriverService, DeviceOpensOnlyWhileTheServiceRuns) {
  ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
  EXPECT_EQ(drivers().openDevice(kNtDriverDevice), nullptr);
  auto service = openDriverService();
  ASSERT_NE(service, nullptr);
  EXPECT_TRUE(service->start());
  EXPECT_FALSE(service->start()) << "already running";
  EXPECT_EQ(VelmarSimServiceRunning(), 1);

  auto device = drivers().openDevice(kNtDriverDevice);
  ASSERT_NE(device, nullptr);
  const std::array<std::uint8_t, 3> write{0x60, 0x00, 0xE4};
  EXPECT_TRUE(device->control(kIoctlWritePort, write, {}));
  std::array<std::uint8_t, 1> value{};
  const std::array<std::uint8_t, 2> status{0x64, 0x00};
  EXPECT_TRUE(device->control(kIoctlReadPort, status, value));
  EXPECT_EQ(value[0] & 0x01, 0x01) << "the keyboard answered";
  const std::array<std::uint8_t, 2> data{0x60, 0x00};
  EXPECT_TRUE(device->control(kIoctlReadPort, data, value));
  EXPECT_EQ(value[0], 0xFA);

  EXPECT_TRUE(service->stop());
  EXPECT_EQ(drivers().openDevice(kNtDriverDevice), nullptr);
}

TEST(SimDriverService, FaultsOfTheServiceTable) {
  ASSERT_EQ(VelmarSimSetService("absent"), 1);
  EXPECT_EQ(openDriverService(), nullptr);
  auto opened = drivers().openServiceManager(ServiceManagerAccess::Full);
  ASSERT_NE(opened.manager, nullptr);
  EXPECT_TRUE(
      opened.manager->createService(kDriverService, "kbdorvel", "System32\\Drivers\\kbdorvel.sys"));
  EXPECT_FALSE(opened.manager->createService(kDriverService, "kbdorvel", "x")) << "exists now";
  EXPECT_NE(openDriverService(), nullptr);

  ASSERT_EQ(VelmarSimSetService("denied"), 1);
  auto denied = drivers().openServiceManager(ServiceManagerAccess::Full);
  EXPECT_EQ(denied.manager, nullptr);
  EXPECT_TRUE(denied.accessDenied);
  EXPECT_NE(openDriverService(ServiceManagerAccess::ReadOnly), nullptr);

  ASSERT_EQ(VelmarSimSetService("startfails"), 1);
  EXPECT_FALSE(openDriverService()->start());
  EXPECT_EQ(VelmarSimSetService("broken"), 0);
}

TEST(SimDriverService, The9xDeviceOpensOnlyOn9x) {
  EXPECT_EQ(drivers().openDevice(k9xDriverDevice), nullptr);
  ASSERT_EQ(VelmarSimSetPlatform("9x"), 1);
  auto device = drivers().openDevice(k9xDriverDevice);
  ASSERT_NE(device, nullptr);
  std::array<std::uint8_t, 3> echo{};
  const std::array<std::uint8_t, 3> write{0x60, 0xE0, 0xE0};
  EXPECT_TRUE(device->control(kIoctlWritePort, write, echo));
  EXPECT_EQ(echo, write);
}

TEST(SimDriverService, SystemDirectoryIsAPrivateFolderWithDrivers) {
  const std::filesystem::path expected = std::filesystem::temp_directory_path() /
                                         ("velmar-sim-" + std::to_string(getpid())) / "system";
  // Compared before anything is removed: this test must never touch a real system folder.
  ASSERT_EQ(std::filesystem::path(drivers().systemDirectory()), expected);
  EXPECT_TRUE(std::filesystem::is_directory(expected / "Drivers"));
  std::filesystem::remove_all(expected.parent_path());
}

}  // namespace
}  // namespace velmar::platform
