#include <cstring>
#include <mutex>

#include "dorvel/export_guard.h"

using namespace velmar::dorvel;

extern "C" {

DORVEL_API void GetMCRBuf(uint8_t* buffer) {
  guarded([&] {
    if (!buffer) return;
    LibraryState& library = state();
    std::lock_guard lock(library.LibraryLock);
    const auto& card = library.McrBuffer;
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(card.data(), 0, card.size()));
    const std::size_t length = end ? static_cast<std::size_t>(end - card.data()) + 1 : card.size();
    std::memcpy(buffer, card.data(), length);
    library.McrBuffer[0] = 0;  // empty until the next card
  });
}

DORVEL_API void GetMCRMsg(uint32_t* message) {
  guarded([&] {
    if (!message) return;
    std::lock_guard lock(state().LibraryLock);
    *message = state().McrMessage;
  });
}

DORVEL_API void SetEcho(int32_t on, int32_t mask) {
  guarded([&] {
    std::lock_guard lock(state().LibraryLock);
    state().EchoOn = on != 0 ? 1 : 0;
    state().EchoMask = mask != 0 ? 1 : 0;
  });
}

}  // extern "C"
