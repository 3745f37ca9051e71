// Report descriptors come from whatever device is plugged in. Besides running clean, a
// descriptor keeps its length behind an empty long item, and a well-formed one turns malformed
// when it ends in the middle of an item.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/native/hid_report_descriptor.h"

using velmar::platform::native::outputReportLength;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> descriptor(data, size);
  const auto length = outputReportLength(descriptor);

  std::vector<std::uint8_t> behindLongItem{0xFE, 0x00, 0x00};
  behindLongItem.insert(behindLongItem.end(), descriptor.begin(), descriptor.end());
  if (outputReportLength(behindLongItem) != length) std::abort();

  std::vector<std::uint8_t> cut(descriptor.begin(), descriptor.end());
  cut.push_back(0x75);  // a report size without its data byte
  if (length && outputReportLength(cut)) std::abort();
  return 0;
}
