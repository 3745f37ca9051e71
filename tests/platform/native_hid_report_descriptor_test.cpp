#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "platform/native/hid_report_descriptor.h"

namespace velmar::platform::native {
namespace {

struct DescriptorCase {
  const char* name;
  std::vector<std::uint8_t> descriptor;
  std::optional<std::size_t> length;
};

// One vendor-defined collection: 63 output bytes and 64 input bytes, no report ids.
const std::vector<std::uint8_t> kVendorDescriptor = {
    0x06, 0x00, 0xFF,  // usage page (vendor)
    0x09, 0x01,        // usage
    0xA1, 0x01,        // collection (application)
    0x15, 0x00,        // logical minimum 0
    0x26, 0xFF, 0x00,  // logical maximum 255
    0x75, 0x08,        // report size 8
    0x95, 0x40,        // report count 64
    0x09, 0x02,        // usage
    0x81, 0x02,        // input
    0x95, 0x3F,        // report count 63
    0x09, 0x03,        // usage
    0x91, 0x02,        // output
    0xC0,              // end collection
};

const std::uint64_t kAllBits = std::numeric_limits<std::uint64_t>::max();

const DescriptorCase kCases[] = {
    {"vendor report without ids", kVendorDescriptor, 64},
    {"longest of numbered reports, a report's items summed",
     {0x75, 0x08, 0x85, 0x01, 0x95, 0x07, 0x91, 0x02,  // report 1: 7 bytes
      0x85, 0x02, 0x95, 0x10, 0x91, 0x02,              // report 2: 16 bytes
      0x85, 0x01, 0x95, 0x0A, 0x91, 0x02},             // report 1 again: 10 bytes more
     18},
    {"bits round up to a byte", {0x75, 0x01, 0x95, 0x0D, 0x91, 0x02}, 3},
    {"four-byte item data",
     {0x77, 0x08, 0x00, 0x00, 0x00, 0x97, 0x02, 0x00, 0x00, 0x00, 0x91, 0x02},
     3},
    {"input and feature items only", {0x75, 0x08, 0x95, 0x08, 0x81, 0x02, 0xB1, 0x02}, 0},
    {"empty", {}, 0},
    {"long item skipped whole",
     {0xFE, 0x06, 0x00, 0x75, 0x08, 0x95, 0x20, 0x91, 0x02,  // long item's data looks like items
      0x75, 0x08, 0x95, 0x04, 0x91, 0x02},
     5},
    {"pop restores pushed globals",
     {0x75, 0x08, 0x95, 0x04, 0xA4, 0x95, 0x20, 0x85, 0x07, 0xB4, 0x91, 0x02},
     5},
    {"huge sizes saturate instead of wrapping",
     {0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x91, 0x02, 0x91, 0x02},
     static_cast<std::size_t>(kAllBits / 8 + 2)},
    {"short item cut off", {0x75, 0x08, 0x95}, std::nullopt},
    {"four-byte item cut off", {0x27, 0xFF, 0xFF}, std::nullopt},
    {"long item header cut off", {0x75, 0x08, 0xFE, 0x02}, std::nullopt},
    {"long item data cut off", {0xFE, 0x05, 0x00, 0x01, 0x02}, std::nullopt},
    {"pop without push", {0xB4, 0x75, 0x08, 0x95, 0x01, 0x91, 0x02}, std::nullopt},
};

TEST(NativeHidReportDescriptorTest, OutputReportLength) {
  for (const DescriptorCase& c : kCases) {
    EXPECT_EQ(outputReportLength(c.descriptor), c.length) << c.name;
  }
}

}  // namespace
}  // namespace velmar::platform::native
