#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>

#include "platform/native/native_services.h"
#include "tests/platform/native_temp_dir.h"

namespace velmar::platform::native {
namespace {

class NativeDriverHostTest : public ::testing::Test {
 protected:
  NativeDriverHostTest() {
    std::string ports(0x100, '\0');
    ports[0x60] = static_cast<char>(0xFA);
    portDevice_ = dir_.write("port", ports);
  }

  std::uint8_t portByte(std::size_t port) const {
    std::ifstream in(portDevice_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(port));
    return static_cast<std::uint8_t>(in.get());
  }

  fixtures::TempDir dir_;
  std::filesystem::path portDevice_;
};

TEST_F(NativeDriverHostTest, NtDeviceReadsAndWritesPortsAfterTheHostIsGone) {
  auto host = makeDriverHost(portDevice_, dir_.path());
  auto device = host->openDevice(kNtDriverDevice);
  ASSERT_NE(device, nullptr);
  host.reset();

  std::array<std::uint8_t, 1> out{};
  const std::array<std::uint8_t, 2> read{0x60, 0x00};
  EXPECT_TRUE(device->control(kIoctlReadPort, read, out));
  EXPECT_EQ(out[0], 0xFA);

  const std::array<std::uint8_t, 3> write{0x64, 0x00, 0x5A};
  EXPECT_TRUE(device->control(kIoctlWritePort, write, {}));
  EXPECT_EQ(portByte(0x64), 0x5A);
}

TEST_F(NativeDriverHostTest, OnlyTheNtDeviceOpens) {
  auto host = makeDriverHost(portDevice_, dir_.path());
  for (std::string_view name :
       {k9xDriverDevice, std::string_view("\\\\.\\other"), std::string_view("")}) {
    EXPECT_EQ(host->openDevice(name), nullptr) << name;
  }
}

TEST_F(NativeDriverHostTest, ServiceIsInstalledAndStartsWithThePortDevice) {
  auto host = makeDriverHost(portDevice_, dir_.path());
  auto opened = host->openServiceManager(ServiceManagerAccess::ReadOnly);
  ASSERT_NE(opened.manager, nullptr);
  EXPECT_FALSE(opened.accessDenied);

  EXPECT_EQ(opened.manager->openService("other"), nullptr);
  EXPECT_FALSE(opened.manager->createService(kDriverService, "Dorvel", "kbdorvel.sys"))
      << "already installed";
  auto service = opened.manager->openService(kDriverService);
  ASSERT_NE(service, nullptr);
  EXPECT_TRUE(service->start());
  EXPECT_TRUE(service->stop());
}

TEST_F(NativeDriverHostTest, FullServiceManagerAccessTakesRoot) {
  auto opened =
      makeDriverHost(portDevice_, dir_.path())->openServiceManager(ServiceManagerAccess::Full);
  const bool root = ::geteuid() == 0;
  EXPECT_EQ(opened.manager != nullptr, root);
  EXPECT_EQ(opened.accessDenied, !root);
}

TEST_F(NativeDriverHostTest, MissingPortDeviceOpensNothingAndDoesNotStart) {
  auto host = makeDriverHost(dir_.path() / "missing", dir_.path());
  EXPECT_EQ(host->openDevice(kNtDriverDevice), nullptr);
  auto service =
      host->openServiceManager(ServiceManagerAccess::ReadOnly).manager->openService(kDriverService);
  ASSERT_NE(service, nullptr);
  EXPECT_FALSE(service->start());
}

TEST_F(NativeDriverHostTest, SystemDirectoryIsTheOneGiven) {
  EXPECT_EQ(makeDriverHost(portDevice_, "/opt/velmar/system")->systemDirectory(),
            "/opt/velmar/system");
}

}  // namespace
}  // namespace velmar::platform::native
