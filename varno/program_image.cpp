#include "varno/program_image.h"

#include <algorithm>

#include "platform/platform.h"
#include "platform/virtual_keys.h"

namespace velmar::varno {
namespace {

constexpr std::size_t kClearedBytes = 200;
constexpr std::uint8_t kMarkKey = 0x59;  // Y

}  // namespace

void ClearImageStart() {
  VarnoState& varno = state();
  std::lock_guard lock(varno.VarnoLock);
  std::fill_n(varno.ProgramImage.begin(), kClearedBytes, 0);
}

void StoreBlock(std::uint32_t offset, const BlockCodes& codes) {
  VarnoState& varno = state();
  {
    std::lock_guard lock(varno.VarnoLock);
    if (offset == 0) std::fill_n(varno.ProgramImage.begin(), kClearedBytes, 0);
    for (std::size_t i = 0; i < codes.size(); ++i) {
      if (offset < kImageSize - i) varno.ProgramImage[offset + i] = codes[i];
    }
  }
  platform::keyboard().injectKey(kMarkKey, platform::keys::scanCodeOf(kMarkKey), 0);
}

std::array<std::uint8_t, kImageSize> ImageSnapshot() {
  VarnoState& varno = state();
  std::lock_guard lock(varno.VarnoLock);
  return varno.ProgramImage;
}

}  // namespace velmar::varno
