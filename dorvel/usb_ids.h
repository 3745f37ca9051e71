#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "dorvel/library_state.h"

namespace velmar::dorvel {

// Fills entries 1-9 of the table from a list of hex ids, each ended by ';' ("ABCD;1234;"); a
// last id without its ';' is dropped. Entry 0, the built-in id, is never touched.
void ParseIdList(std::string_view text, std::array<std::int32_t, kIdEntries>& table);

// The accepted vendor and product ids: the built-in pair, then the configured "Vend" and
// "Prod" lists. Without the configuration key the earlier lists stay.
void ReadUsbIds(std::array<std::int32_t, kIdEntries>& vendorIds,
                std::array<std::int32_t, kIdEntries>& productIds);

}  // namespace velmar::dorvel
