#include "platform/common/os_version.h"

namespace velmar::platform {

std::optional<std::uint32_t> SettableOsVersion::platformId() {
  switch (kind_.load()) {
    case OsKind::Nt:
      return kPlatformWindowsNt;
    case OsKind::Windows9x:
      return kPlatformWindows9x;
    case OsKind::Other:
      return 3;  // neither family
    case OsKind::QueryFails:
      break;
  }
  return std::nullopt;
}

}  // namespace velmar::platform
