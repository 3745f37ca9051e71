#include "outside/inpout32/inpout32.h"

#include "platform/platform.h"

namespace {

constexpr std::uint8_t kUnreachable = 0xFF;

std::uint16_t portNumber(int16_t port) {
  return static_cast<std::uint16_t>(port);
}

}  // namespace

extern "C" {

INPOUT32_API int16_t Inp32(int16_t port) {
  try {
    return velmar::platform::ports().read(portNumber(port)).value_or(kUnreachable);
  } catch (...) {
    return kUnreachable;
  }
}

INPOUT32_API void Out32(int16_t port, int16_t value) {
  try {
    velmar::platform::ports().write(portNumber(port), static_cast<std::uint8_t>(value));
  } catch (...) {
  }
}

}  // extern "C"
