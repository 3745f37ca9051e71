#pragma once

#include <cstdint>
#include <optional>

#include "platform/export.h"

namespace velmar::platform {

// Single-byte access to the PC's I/O ports (the keyboard controller at 0x60/0x64).
class VELMAR_PLATFORM_API PortIo {
 public:
  virtual ~PortIo() = default;
  // The byte at the port, or nullopt when the ports cannot be reached.
  virtual std::optional<std::uint8_t> read(std::uint16_t port) = 0;
  // False when the ports cannot be reached.
  virtual bool write(std::uint16_t port, std::uint8_t value) = 0;
};

}  // namespace velmar::platform
