#include "sim/key_typing.h"

#include "platform/virtual_keys.h"

namespace velmar::sim {
namespace {

platform::KeyEvent keyEvent(std::uint8_t virtualKey, bool down) {
  return {
      .virtualKey = virtualKey, .scanCode = platform::keys::scanCodeOf(virtualKey), .down = down};
}

}  // namespace

TypedKeys keyEventsFor(std::string_view text) {
  TypedKeys typed;
  for (char ch : text) {
    const auto stroke = platform::keys::strokeFor(static_cast<unsigned char>(ch));
    if (!stroke) break;
    if (stroke->shift) typed.events.push_back(keyEvent(platform::keys::kLeftShift, true));
    typed.events.push_back(keyEvent(stroke->virtualKey, true));
    typed.events.push_back(keyEvent(stroke->virtualKey, false));
    if (stroke->shift) typed.events.push_back(keyEvent(platform::keys::kLeftShift, false));
    ++typed.charactersTyped;
  }
  return typed;
}

}  // namespace velmar::sim
