#include "cli/usb_image.h"

#include <algorithm>
#include <cstdio>
#include <type_traits>

namespace lavrix::cli {
namespace {

using namespace write_step;

// Varno clears the start of its image whenever a write begins again at offset 0.
constexpr std::size_t kClearedAtStart = 200;

void Store(UsbImage& image, std::uint32_t offset, const BlockCodes& block, const CellCodes& codes) {
  if (offset == 0) std::fill_n(image.begin(), kClearedAtStart, 0);
  for (std::uint32_t i = 0; i < block.size(); ++i) {
    // Only the low byte of a code reaches the keyboard; bytes past the image are dropped.
    if (offset < kUsbImageSize - i)
      image[offset + i] = static_cast<std::uint8_t>(block[i].Resolve(codes));
  }
}

}  // namespace

std::optional<UsbImage> UsbImageOfPlan(const WritePlan& plan, const CellCodes& codes) {
  UsbImage collected{};
  std::optional<UsbImage> programmed;
  for (const WriteStep& step : plan) {
    std::visit(
        [&](const auto& s) {
          using Step = std::decay_t<decltype(s)>;
          if constexpr (std::is_same_v<Step, Block512>) {
            const std::uint32_t page = static_cast<std::uint32_t>(s.page) & 0xFF;
            Store(collected, page << 8 | static_cast<std::uint32_t>(s.address), s.codes, codes);
          } else if constexpr (std::is_same_v<Step, Block256>) {
            Store(collected, static_cast<std::uint32_t>(s.address), s.codes, codes);
          } else if constexpr (std::is_same_v<Step, EndWrite>) {
            programmed = collected;
            programmed->back() = 0;
          }
        },
        step);
  }
  return programmed;
}

std::string HexDump(std::span<const std::uint8_t> image) {
  constexpr std::size_t kPerLine = 16;
  std::string text;
  char piece[24];
  for (std::size_t offset = 0; offset < image.size(); offset += kPerLine) {
    std::snprintf(piece, sizeof piece, "%03zx:", offset);
    text += piece;
    for (std::size_t i = offset; i < std::min(offset + kPerLine, image.size()); ++i) {
      std::snprintf(piece, sizeof piece, " %02x", image[i]);
      text += piece;
    }
    text += '\n';
  }
  return text;
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

}  // namespace lavrix::cli
