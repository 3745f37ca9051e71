#pragma once

#include <atomic>

#include "platform/os_version.h"

namespace velmar::platform {

enum class OsKind { Nt, Windows9x, Other, QueryFails };

// Linux answers as the NT family; the simulated platform may pretend otherwise.
class SettableOsVersion final : public OsVersion {
 public:
  std::optional<std::uint32_t> platformId() override;
  void set(OsKind kind) { kind_ = kind; }
  OsKind kind() const { return kind_; }

 private:
  std::atomic<OsKind> kind_{OsKind::Nt};
};

}  // namespace velmar::platform
