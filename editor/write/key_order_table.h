#pragma once

#include <array>

namespace lavrix {

// Where the CINDO AT keyboard (model 5) keeps its 32 keys within a page: entry j is the cell
// offset, within the page, of the key at EEPROM byte j. Offset 4 (position 5, never shown)
// fills the places the keyboard has no key for.
inline constexpr std::array<int, 32> KeyOrderTable{64, 18, 19, 48, 32, 2,  4,  4,  67, 1,  82,
                                                   50, 34, 0,  4,  4,  65, 16, 17, 49, 33, 80,
                                                   4,  4,  4,  4,  35, 66, 4,  3,  4,  4};

}  // namespace lavrix
