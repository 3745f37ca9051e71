#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "platform/native/native_services.h"
#include "tests/platform/native_temp_dir.h"

namespace velmar::platform::native {
namespace {

// Bytes differing from port to port, also between ports 256 apart.
std::uint8_t patternAt(std::size_t port) {
  return static_cast<std::uint8_t>(port * 7 + port / 256);
}

std::string portFile(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t port = 0; port < size; ++port)
    bytes[port] = static_cast<char>(patternAt(port));
  return bytes;
}

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(NativePortIoTest, ByteAtTheOffsetOfThePortIsThePort) {
  fixtures::TempDir dir;
  const auto device = dir.write("port", portFile(0x400));
  auto ports = makePortIo(device);

  for (std::uint16_t port : {0x00, 0x60, 0x64, 0x160, 0x3F8}) {
    EXPECT_EQ(ports->read(port), patternAt(port)) << "port " << port;
  }
  EXPECT_TRUE(ports->write(0x64, 0xA5));
  EXPECT_TRUE(ports->write(0x3F8, 0x5A));

  std::string expected = portFile(0x400);
  expected[0x64] = static_cast<char>(0xA5);
  expected[0x3F8] = static_cast<char>(0x5A);
  EXPECT_EQ(contents(device), expected) << "only the written ports changed";
  EXPECT_EQ(ports->read(0x64), 0xA5);
}

TEST(NativePortIoTest, PortBeyondTheDeviceReadsNothing) {
  fixtures::TempDir dir;
  auto ports = makePortIo(dir.write("port", portFile(0x100)));
  EXPECT_EQ(ports->read(0x100), std::nullopt);
  EXPECT_EQ(ports->read(0xFFFF), std::nullopt);
}

TEST(NativePortIoTest, MissingDeviceFailsWithOneMessage) {
  fixtures::TempDir dir;
  const auto missing = dir.path() / "port";
  auto ports = makePortIo(missing);

  ::testing::internal::CaptureStderr();
  EXPECT_EQ(ports->read(0x60), std::nullopt);
  EXPECT_FALSE(ports->write(0x60, 0x01));
  EXPECT_EQ(ports->read(0x64), std::nullopt);
  const std::string messages = ::testing::internal::GetCapturedStderr();

  const std::string expected = "velmar: cannot open " + missing.string() + ": ";
  EXPECT_EQ(messages.find(expected), 0u) << messages;
  EXPECT_EQ(messages.find(expected, 1), std::string::npos) << "said once: " << messages;
}

TEST(NativePortIoTest, DeviceThatAppearsLaterIsUsed) {
  fixtures::TempDir dir;
  auto ports = makePortIo(dir.path() / "port");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(ports->read(0x60), std::nullopt);
  ::testing::internal::GetCapturedStderr();

  dir.write("port", portFile(0x100));
  EXPECT_EQ(ports->read(0x60), patternAt(0x60));
  EXPECT_TRUE(ports->write(0x61, 0x00));
}

TEST(NativePortIoTest, ThreadsOpeningAtOnceAllReachTheDevice) {
  fixtures::TempDir dir;
  const auto device = dir.write("port", std::string(0x100, '\0'));
  auto ports = makePortIo(device);

  std::vector<std::jthread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&ports, t] {
      for (int port = t; port < 0x100; port += 8) {
        EXPECT_TRUE(ports->write(static_cast<std::uint16_t>(port), patternAt(port)));
      }
    });
  }
  threads.clear();
  EXPECT_EQ(contents(device), portFile(0x100));
}

}  // namespace
}  // namespace velmar::platform::native
