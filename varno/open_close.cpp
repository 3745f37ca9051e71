#include <string_view>

#include "platform/platform.h"
#include "varno/device_libraries.h"
#include "varno/export_guard.h"
#include "varno/program_image.h"
#include "varno/varno.h"

using namespace velmar::varno;
namespace platform = velmar::platform;

namespace {

constexpr std::string_view kOpenCaption = "Erro de Inicialização";

// Runs for every message a hooked thread retrieves; it only waits for the lock to be free.
void MessageHookProc() {
  std::lock_guard lock(state().VarnoLock);
}

void showOpenError(std::string_view text) {
  platform::messageBoxes().show(text, kOpenCaption, platform::MessageIcon::Error);
}

template <typename Entry>
Entry findEntry(platform::DynamicLibrary* library, std::string_view name) {
  return library ? reinterpret_cast<Entry>(library->entry(name)) : nullptr;
}

// Loads inpout32 beside the library; the user sees a message for each thing missing.
std::int32_t loadPortLibrary(VarnoState& varno) {
  varno.Inp32 = nullptr;
  varno.Out32 = nullptr;
  std::int32_t error = 0;
  varno.PortLibrary = platform::libraries().load("inpout32.dll", varno.VarnoInstance);
  if (!varno.PortLibrary) {
    showOpenError("LoadLibrary Failed");
    error = 1;
  }
  varno.Inp32 = findEntry<Inp32Entry>(varno.PortLibrary.get(), "Inp32");
  if (!varno.Inp32) {
    showOpenError("GetProcAddress for Inp32 Failed");
    error = 1;
  }
  varno.Out32 = findEntry<Out32Entry>(varno.PortLibrary.get(), "Out32");
  if (!varno.Out32) {
    showOpenError("GetProcAddress for Oup32 Failed");
    error = 1;
  }
  return error;
}

}  // namespace

extern "C" {

VARNO_API int32_t OpenVarno(void) {
  return guarded(1, [] {
    VarnoState& varno = state();
    std::int32_t error = 0;
    {
      std::lock_guard lock(varno.VarnoLock);
      varno.MessageHook = platform::messageHooks().install(MessageHookProc);
      varno.OpenError = loadPortLibrary(varno);
      error = varno.OpenError;
    }
    ClearImageStart();
    OpenDeviceLibraries();
    return error;
  });
}

VARNO_API int32_t CloseVarno(void) {
  return guarded(0, [] {
    VarnoState& varno = state();
    {
      std::lock_guard lock(varno.VarnoLock);
      varno.MessageHook.reset();
      // The entries die with the library; nothing may call through them afterwards.
      varno.Inp32 = nullptr;
      varno.Out32 = nullptr;
      varno.PortLibrary.reset();
    }
    CloseDeviceLibraries();
    return 0;
  });
}

}  // extern "C"
