#pragma once

#include <array>
#include <cstdint>

#include "varno/varno_state.h"

// ProgramImage, the layout collected on the USB paths. Each function takes VarnoLock.
namespace velmar::varno {

using BlockCodes = std::array<std::uint8_t, 4>;

// Sets image bytes 0-199 to 0, as the start of a write does; later bytes keep earlier writes.
void ClearImageStart();

// Stores one block at `offset` (the block at 0 first clears bytes 0-199; bytes that would fall
// beyond the image are dropped) and synthesises the key-down a USB block is marked by.
void StoreBlock(std::uint32_t offset, const BlockCodes& codes);

// A copy to program from, so that no block lands in it while a device library reads it.
std::array<std::uint8_t, kImageSize> ImageSnapshot();

}  // namespace velmar::varno
