#include "outside/ilvar/ilvar.h"

#include <array>
#include <cstring>

#include "outside/ilvar/ilvar_link.h"
#include "outside/ilvar/ilvar_protocol.h"

using namespace velmar::ilvar;

namespace {

// No exception reaches the C caller.
template <typename Result, typename Body>
Result guarded(Result fallback, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

bool sendImage(const std::array<std::uint8_t, kImageSize>& image) {
  if (!SendReport(kBegin)) return false;
  for (std::size_t block = 0; block < kBlockCount; ++block) {
    std::array<std::uint8_t, 1 + kBlockSize> data{static_cast<std::uint8_t>(block)};
    std::memcpy(data.data() + 1, image.data() + block * kBlockSize, kBlockSize);
    if (!SendReport(kBlock, data)) return false;
  }
  const std::uint16_t sum = imageSum(image);
  const std::array<std::uint8_t, 2> end{static_cast<std::uint8_t>(sum >> 8),
                                        static_cast<std::uint8_t>(sum)};
  return SendReport(kEnd, end);
}

}  // namespace

extern "C" {

ILVAR_API int32_t OpenIlvar(void) {
  return guarded(0, [] {
    std::lock_guard lock(state().lock);
    return OpenFirstKeyboard() ? 1 : 0;
  });
}

ILVAR_API void CloseIlvar(void) {
  try {
    std::lock_guard lock(state().lock);
    CloseKeyboard();
  } catch (...) {
  }
}

ILVAR_API uint8_t IsIlvarUsbOn(void) {
  return guarded(std::uint8_t{0}, [] {
    std::lock_guard lock(state().lock);
    return static_cast<std::uint8_t>(KeyboardConnected() ? 1 : 0);
  });
}

ILVAR_API int32_t IlvarProgKeyboard(uint32_t Layoutsize, const uint8_t* image) {
  return guarded(0, [&] {
    if (Layoutsize < 1 || Layoutsize > kImageSize || image == nullptr) return 0;
    std::array<std::uint8_t, kImageSize> layout{};
    std::memcpy(layout.data(), image, Layoutsize);
    std::lock_guard lock(state().lock);
    return OpenFirstKeyboard() && sendImage(layout) ? 1 : 0;
  });
}

}  // extern "C"
