// Old layout files come from other machines and older programs. The first byte picks a kind
// (unknown ones included), the rest is the file. Besides running clean: a file is taken only
// at its kind's length, a refused one changes nothing, and a taken one puts only the file's
// bytes (or, for the kinds that clear, zeros) into the layout.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "import/old_layout.h"

namespace {

constexpr std::int16_t kUntouched = -7;
// Kinds 0 to 21: every kind a button chooses, kind 8 which none does, and ImportKind's 20.
constexpr int kKindsTried = 22;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto kind = static_cast<std::int16_t>(data[0] % kKindsTried);
  const std::span<const std::uint8_t> file(data + 1, size - 1);

  std::array<std::int16_t, lavrix::kCellCount> codes;
  codes.fill(kUntouched);
  const bool taken = lavrix::ImportOldLayout(kind, file, codes);

  const lavrix::OldLayoutButton* row = lavrix::FindOldLayoutKind(kind);
  if (taken != (row && row->fileLength == file.size())) std::abort();
  const auto untouched = std::ranges::count(codes, kUntouched);
  if (!taken) {
    if (untouched != lavrix::kCellCount) std::abort();
    return 0;
  }
  // Kinds that clear may leave zeros the file does not hold; no kind names more cells than it
  // has bytes.
  const bool clears = kind == 4 || kind == lavrix::kAnsuImportKind;
  if (!clears && lavrix::kCellCount - untouched > static_cast<long>(file.size())) std::abort();
  for (const std::int16_t code : codes) {
    if (code == kUntouched && !clears) continue;
    if (code < 0 || code > 255) std::abort();
    if (!clears && std::ranges::find(file, static_cast<std::uint8_t>(code)) == file.end()) {
      std::abort();
    }
  }
  return 0;
}
