#pragma once

#include <cstdint>
#include <optional>

#include "platform/export.h"

namespace velmar::platform {

inline constexpr std::uint32_t kPlatformWindows9x = 1;
inline constexpr std::uint32_t kPlatformWindowsNt = 2;

class VELMAR_PLATFORM_API OsVersion {
 public:
  virtual ~OsVersion() = default;
  // The platform id the libraries adapt to (1 the 9x family, 2 the NT family, others unknown);
  // nullopt when the version cannot be queried. Linux answers NT.
  virtual std::optional<std::uint32_t> platformId() = 0;
};

}  // namespace velmar::platform
