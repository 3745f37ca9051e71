#include "platform/platform.h"
#include "varno/varno.h"
#include "varno/varno_state.h"

namespace velmar::varno {
namespace {

// The library's load and unload handling around its one state record.
class LoadedLibrary {
 public:
  LoadedLibrary() {
    state_.VarnoInstance = reinterpret_cast<const void*>(&OpenVarno);
    state_.VarnoMutex = platform::mutexes().create("VarnoDll", true);
    if (!state_.VarnoMutex) {
      platform::messageBoxes().show("Já há uma instância da DLL rodando!!!",
                                    "Erro no objeto Mutex da DllEntryPoint da Varno.DLL",
                                    platform::MessageIcon::Error);
      // Linux cannot refuse a load from here; the library stays inert instead.
      state_.LoadRefused = true;
    }
  }

  ~LoadedLibrary() {
    if (state_.LoadRefused) return;
    CloseVarno();
    state_.VarnoMutex.reset();
  }

  VarnoState& state() { return state_; }

 private:
  VarnoState state_;
};

LoadedLibrary library;

}  // namespace

VarnoState& state() {
  return library.state();
}

}  // namespace velmar::varno
