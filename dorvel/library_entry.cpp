#include "dorvel/dorvel_32.h"
#include "dorvel/echo.h"
#include "dorvel/open_close.h"
#include "dorvel/transport/usb_hid.h"
#include "platform/platform.h"

namespace velmar::dorvel {
namespace {

// The library's load and unload handling around its one state record. A thread of the host
// ending is no event on Linux, so nothing is closed then.
class LoadedLibrary {
 public:
  LoadedLibrary() {
    state_.MutexHandle = platform::mutexes().create("DorvelDllUSB", true);
    if (!state_.MutexHandle) {
      platform::messageBoxes().show("Já há uma instância da DLL rodando!!!",
                                    "Erro no objeto Mutex da DllEntryPoint da DORVEL_32.DLL",
                                    platform::MessageIcon::Error);
      // Linux cannot refuse a load from here; the library stays inert instead.
      state_.LoadRefused = true;
    }
  }

  ~LoadedLibrary() {
    if (state_.LoadRefused) return;
    if (state_.Closed == 0) CloseDorvel();
    state_.MutexHandle.reset();
    CloseAllDevices();
    StopEchoWorker();
  }

  LibraryState& state() { return state_; }

 private:
  LibraryState state_;
};

LoadedLibrary library;

}  // namespace

LibraryState& state() {
  return library.state();
}

}  // namespace velmar::dorvel
