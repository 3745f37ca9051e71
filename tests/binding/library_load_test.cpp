#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/velmar_sim.h"

namespace {

// This executable does not link the device library, so each test loads it itself, after
// setting up what its load handling meets.
void* loadDorvel() {
  return dlopen(VELMAR_OUTPUT_DIR "/libdorvel_32.so", RTLD_NOW | RTLD_LOCAL);
}

std::string messages() {
  std::string text(VelmarSimMessages(nullptr, 0) + 1, '\0');
  VelmarSimMessages(text.data(), static_cast<int>(text.size()));
  text.pop_back();
  return text;
}

TEST(DorvelLoad, WithoutItsMutexTheLibrarySaysSoAndStaysInert) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  ASSERT_EQ(VelmarSimFailMutex("DorvelDllUSB"), 1);
  void* library = loadDorvel();
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(messages(),
            "Erro no objeto Mutex da DllEntryPoint da DORVEL_32.DLL: Já há uma instância da DLL "
            "rodando!!!\n");
  auto isUsbOn = reinterpret_cast<std::uint8_t (*)()>(dlsym(library, "IsDorvelUsbOn"));
  ASSERT_NE(isUsbOn, nullptr);
  EXPECT_EQ(isUsbOn(), 0);
  EXPECT_EQ(VelmarSimTraffic("usb-dorvel", nullptr, 0), 0);
}

TEST(DorvelLoad, LoadsQuietlyWithItsMutex) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  void* library = loadDorvel();
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(messages(), "");
  auto isUsbOn = reinterpret_cast<std::uint8_t (*)()>(dlsym(library, "IsDorvelUsbOn"));
  EXPECT_EQ(isUsbOn(), 1);
}

}  // namespace
