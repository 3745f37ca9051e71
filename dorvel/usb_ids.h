#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/hid_bus.h"

namespace velmar::dorvel {

// Entry 0 is the built-in pair; entries 1-9 come from the configuration.
inline constexpr std::size_t kIdEntries = 10;

// Fills entries 1-9 of the table from a list of hex ids, each ended by ';' ("ABCD;1234;"); a
// last id without its ';' is dropped. Entry 0, the built-in id, is never touched.
void ParseIdList(std::string_view text, std::array<std::int32_t, kIdEntries>& table);

// The accepted vendor and product ids: the built-in pair, then the configured "Vend" and
// "Prod" lists. Without the configuration key the earlier lists stay.
void ReadUsbIds(std::array<std::int32_t, kIdEntries>& vendorIds,
                std::array<std::int32_t, kIdEntries>& productIds);

// The first entry whose pair the device carries; a pair with a 0 id never matches.
std::optional<std::size_t> MatchingIdEntry(const std::array<std::int32_t, kIdEntries>& vendorIds,
                                           const std::array<std::int32_t, kIdEntries>& productIds,
                                           platform::HidAttributes attributes);

}  // namespace velmar::dorvel
