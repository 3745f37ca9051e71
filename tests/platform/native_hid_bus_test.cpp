#include <gtest/gtest.h>

#include <string>

#include "platform/native/hidraw_sysfs.h"
#include "platform/native/native_services.h"
#include "tests/platform/native_temp_dir.h"

namespace velmar::platform::native {
namespace {

// 63 output bytes without report ids.
const std::string kDescriptor("\x06\x00\xFF\x09\x01\xA1\x01\x75\x08\x95\x3F\x09\x02\x91\x02\xC0",
                              16);

TEST(NativeHidBusTest, EnumerationGivesEveryDeviceAPath) {
  for (const HidDeviceInfo& device : makeHidBus()->enumerate()) {
    EXPECT_FALSE(device.path.empty());
  }
}

TEST(NativeHidBusTest, BadPathDoesNotOpen) {
  fixtures::TempDir dir;
  EXPECT_EQ(makeHidBus(dir.path())->open("/nonexistent/hidraw0"), nullptr);
}

TEST(NativeHidBusTest, OutputReportLengthFromTheSysfsDescriptor) {
  fixtures::TempDir sysfs;
  sysfs.write("hidraw3/device/report_descriptor", kDescriptor);
  sysfs.write("hidraw4/device/report_descriptor", kDescriptor.substr(0, 10));  // cut off
  sysfs.write("hidraw/device/report_descriptor", kDescriptor);

  const struct {
    const char* devicePath;
    std::size_t length;
  } cases[] = {
      {"/dev/hidraw3", 64},
      {"/dev/hidraw4", 0},   // malformed descriptor
      {"/dev/hidraw5", 0},   // no descriptor
      {"/dev/hidraw", 0},    // no device number
      {"/dev/hidraw3x", 0},  //
      {"/dev/event3", 0},    //
      {"", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(hidrawOutputReportLength(sysfs.path(), c.devicePath), c.length) << c.devicePath;
  }
}

}  // namespace
}  // namespace velmar::platform::native
