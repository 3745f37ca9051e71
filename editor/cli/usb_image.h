#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "write/write_plan.h"

namespace lavrix::cli {

inline constexpr std::size_t kUsbImageSize = 512;
using UsbImage = std::array<std::uint8_t, kUsbImageSize>;

// The EEPROM a USB keyboard holds after the plan ran through Varno in a fresh process: the
// blocks collected in their order, as the plan's last end programmed them (the device
// libraries program 511 bytes, so the last one is 0). nullopt for a plan without an end.
std::optional<UsbImage> UsbImageOfPlan(const WritePlan& plan, const CellCodes& codes);

// 32 lines of 16 bytes in hex, each led by its offset.
std::string HexDump(std::span<const std::uint8_t> image);

// The CRC-32 (as zip and gzip compute it), so a logged checksum can be checked against a file.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

}  // namespace lavrix::cli
