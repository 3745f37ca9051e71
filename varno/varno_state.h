#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>

#include "outside/inpout32/inpout32.h"
#include "platform/dynamic_libraries.h"
#include "platform/message_hooks.h"
#include "platform/named_mutex.h"

namespace velmar::varno {

inline constexpr std::size_t kImageSize = 512;

using Inp32Entry = decltype(&::Inp32);
using Out32Entry = decltype(&::Out32);

// The library's one state record, guarded by VarnoLock. Every AT byte sequence runs inside the
// lock, so CloseVarno cannot free inpout32 under it.
struct VarnoState {
  std::recursive_mutex VarnoLock;

  const void* VarnoInstance = nullptr;  // an address inside the library: inpout32 sits beside it
  std::unique_ptr<platform::NamedMutex> VarnoMutex;
  bool LoadRefused = false;  // the mutex could not be created: every export does nothing
  std::unique_ptr<platform::MessageHook> MessageHook;
  std::unique_ptr<platform::DynamicLibrary> PortLibrary;
  Inp32Entry Inp32 = nullptr;  // null whenever PortLibrary does not hold it
  Out32Entry Out32 = nullptr;
  std::int32_t OpenError = 0;
  std::array<std::uint8_t, kImageSize> ProgramImage{};
  std::int32_t LastWriteReached = 0;  // what ResultadoGravacao reports
};

VarnoState& state();

}  // namespace velmar::varno
