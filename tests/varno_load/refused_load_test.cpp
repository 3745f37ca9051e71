#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/velmar_sim.h"
#include "tests/varno/sim_texts.h"

namespace {

using velmar::testing::shownMessages;

// The library is loaded here, after the test has set up the simulated machine: its load
// handling runs then.
class LoadedVarno {
 public:
  LoadedVarno() : handle_(dlopen(VELMAR_OUTPUT_DIR "/libvarno.so", RTLD_NOW | RTLD_LOCAL)) {}
  bool loaded() const { return handle_ != nullptr; }
  template <typename Function>
  Function* entry(const char* name) const {
    return reinterpret_cast<Function*>(dlsym(handle_, name));
  }

 private:
  void* handle_;  // never closed: the library stays loaded until the process ends, as it would
};

TEST(VarnoLoad, ANormalLoadShowsNothing) {
  LoadedVarno varno;
  ASSERT_TRUE(varno.loaded()) << dlerror();
  EXPECT_EQ(shownMessages(), "");
}

TEST(VarnoLoad, WithoutItsMutexTheLibraryWarnsOnceAndStaysInert) {
  ASSERT_EQ(VelmarSimFailMutex("VarnoDll"), 1);
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  LoadedVarno varno;
  ASSERT_TRUE(varno.loaded()) << dlerror();
  const std::string mutexMessage =
      "Erro no objeto Mutex da DllEntryPoint da Varno.DLL: Já há uma instância da DLL rodando!!!\n";
  EXPECT_EQ(shownMessages(), mutexMessage);

  EXPECT_EQ(varno.entry<std::int32_t()>("OpenVarno")(), 1);
  EXPECT_EQ(VelmarSimMessageHooks(), 0);
  varno.entry<std::int32_t(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                           std::int32_t)>("GravaBloco512")(0, 0, 1, 2, 3, 4);
  EXPECT_EQ(varno.entry<std::int32_t()>("TerminaGravacao")(), 0);
  EXPECT_EQ(varno.entry<std::int32_t()>("ResultadoGravacao")(), 0);
  EXPECT_EQ(VelmarSimTraffic("usb-dorvel", nullptr, 0), 0) << "nothing reached the keyboard";
  EXPECT_EQ(shownMessages(), mutexMessage);
}

}  // namespace
