#include "platform/native/hid_report_descriptor.h"

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace velmar::platform::native {
namespace {

constexpr std::uint8_t kLongItem = 0xFE;

// Item types and tags of the short items that decide the report sizes.
constexpr unsigned kTypeMain = 0;
constexpr unsigned kTypeGlobal = 1;
constexpr unsigned kTagOutput = 0x9;
constexpr unsigned kTagReportSize = 0x7;
constexpr unsigned kTagReportId = 0x8;
constexpr unsigned kTagReportCount = 0x9;
constexpr unsigned kTagPush = 0xA;
constexpr unsigned kTagPop = 0xB;

constexpr std::uint64_t kMaxBits = std::numeric_limits<std::uint64_t>::max();

struct Globals {
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
  std::uint32_t reportId = 0;
};

std::uint32_t littleEndian(std::span<const std::uint8_t> data) {
  std::uint32_t value = 0;
  for (std::size_t i = data.size(); i-- > 0;)
    value = (value << 8) | data[i];
  return value;
}

// A hostile descriptor may declare more bits than any counter holds; they stop at the top.
std::uint64_t addBits(std::uint64_t total, std::uint32_t size, std::uint32_t count) {
  const std::uint64_t bits = std::uint64_t{size} * count;  // both below 2^32: no overflow
  return bits > kMaxBits - total ? kMaxBits : total + bits;
}

}  // namespace

std::optional<std::size_t> outputReportLength(std::span<const std::uint8_t> descriptor) {
  Globals globals;
  std::vector<Globals> pushed;
  std::map<std::uint32_t, std::uint64_t> outputBits;  // by report id

  std::size_t at = 0;
  while (at < descriptor.size()) {
    const std::uint8_t prefix = descriptor[at];
    if (prefix == kLongItem) {
      if (descriptor.size() - at < 3) return std::nullopt;
      const std::size_t dataSize = descriptor[at + 1];
      if (descriptor.size() - at - 3 < dataSize) return std::nullopt;
      at += 3 + dataSize;
      continue;
    }
    const std::size_t sizeCode = prefix & 0x3;
    const std::size_t dataSize = sizeCode == 3 ? 4 : sizeCode;
    if (descriptor.size() - at - 1 < dataSize) return std::nullopt;
    const std::uint32_t data = littleEndian(descriptor.subspan(at + 1, dataSize));
    const unsigned type = (prefix >> 2) & 0x3;
    const unsigned tag = prefix >> 4;
    at += 1 + dataSize;

    if (type == kTypeMain && tag == kTagOutput) {
      std::uint64_t& bits = outputBits[globals.reportId];
      bits = addBits(bits, globals.reportSize, globals.reportCount);
    } else if (type == kTypeGlobal) {
      switch (tag) {
        case kTagReportSize:
          globals.reportSize = data;
          break;
        case kTagReportId:
          globals.reportId = data;
          break;
        case kTagReportCount:
          globals.reportCount = data;
          break;
        case kTagPush:
          pushed.push_back(globals);
          break;
        case kTagPop:
          if (pushed.empty()) return std::nullopt;
          globals = pushed.back();
          pushed.pop_back();
          break;
        default:
          break;
      }
    }
  }

  if (outputBits.empty()) return 0;
  std::uint64_t longest = 0;
  for (const auto& [id, bits] : outputBits)
    longest = std::max(longest, bits);
  const std::uint64_t bytes = longest / 8 + (longest % 8 != 0) + 1;
  return static_cast<std::size_t>(
      std::min<std::uint64_t>(bytes, std::numeric_limits<std::size_t>::max()));
}

}  // namespace velmar::platform::native
