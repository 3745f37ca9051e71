#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/keyboard_input.h"

namespace velmar::sim {

struct TypedKeys {
  std::vector<platform::KeyEvent> events;
  std::size_t charactersTyped = 0;  // stops before the first character no key types
};

// The key events a keyboard sends to type `text`: a press and a release per character, with
// the left Shift pressed before and released after a shifted character.
TypedKeys keyEventsFor(std::string_view text);

}  // namespace velmar::sim
