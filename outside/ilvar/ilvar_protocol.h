#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The USB protocol of the Ilvar keyboards as our Ilvar library speaks it. Every output report is
// 64 bytes: byte 0 the report id 0, byte 1 the command, data from byte 2.
//   0x00 presence check, no data;
//   0x01 begin programming, no data;
//   0x02 one block: byte 2 the block number 0-15, bytes 3-34 the 32 image bytes of that block;
//   0x03 end programming: bytes 2-3 the 16-bit sum of the 512 image bytes, high byte first.
// The keyboard stores the blocks it got since the begin only when the sum matches them.
namespace velmar::ilvar {

inline constexpr std::uint16_t kVendorId = 0x1753;
inline constexpr std::uint16_t kProductId = 0x0301;
inline constexpr std::size_t kReportLength = 64;
inline constexpr std::size_t kImageSize = 512;
inline constexpr std::size_t kBlockSize = 32;
inline constexpr std::size_t kBlockCount = kImageSize / kBlockSize;

inline constexpr std::uint8_t kPresence = 0x00;
inline constexpr std::uint8_t kBegin = 0x01;
inline constexpr std::uint8_t kBlock = 0x02;
inline constexpr std::uint8_t kEnd = 0x03;

inline std::uint16_t imageSum(std::span<const std::uint8_t> image) {
  std::uint16_t sum = 0;
  for (std::uint8_t byte : image)
    sum = static_cast<std::uint16_t>(sum + byte);
  return sum;
}

}  // namespace velmar::ilvar
