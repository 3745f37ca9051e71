#include <gtest/gtest.h>

#include <array>
#include <thread>

#include "dorvel/dorvel_32.h"
#include "platform/velmar_sim.h"

namespace {

// Run under ThreadSanitizer by `make test`.
TEST(DorvelConcurrency, ProgrammingWhileOtherThreadsProbeAndWrite) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  std::array<std::uint8_t, 511> image{};
  image.fill(0x5A);
  std::thread programmer([&] { EXPECT_EQ(DorvelProgKeyboard(511, image.data()), 1); });
  std::thread prober([] {
    for (int i = 0; i < 50; ++i)
      EXPECT_EQ(IsDorvelUsbOn(), 1);
  });
  std::thread writer([] {
    for (int i = 0; i < 50; ++i)
      BackSpace();
  });
  programmer.join();
  prober.join();
  writer.join();
  std::array<std::uint8_t, 512> eeprom{};
  VelmarSimEeprom("usb-dorvel", eeprom.data());
  EXPECT_EQ(eeprom[510], 0x5A);
}

TEST(DorvelConcurrency, DiscoveriesFromManyThreadsWhileTheKeyboardComesAndGoes) {
  std::thread plugger([] {
    for (int i = 0; i < 20; ++i) {
      VelmarSimAttach("usb-dorvel");
      VelmarSimDetach("usb-dorvel");
    }
  });
  std::array<std::thread, 3> probers;
  for (auto& prober : probers) {
    prober = std::thread([] {
      for (int i = 0; i < 20; ++i) {
        IsDorvelUsbOn();
        BackSpace();
      }
    });
  }
  plugger.join();
  for (auto& prober : probers)
    prober.join();
  SUCCEED();
}

TEST(DorvelConcurrency, TypingACardWhileOthersFetchAndCommand) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  ASSERT_EQ(OpenDorvel(), 0);
  SetCard(1);
  SetEcho(1, 0);
  std::thread typist([] {
    for (int i = 0; i < 20; ++i)
      VelmarSimType("[1234]56\r");
  });
  std::thread fetcher([] {
    std::uint8_t buffer[400];
    for (int i = 0; i < 200; ++i)
      GetMCRBuf(buffer);
  });
  std::thread display([] {
    for (int i = 0; i < 50; ++i)
      DispStr("TOTAL");
  });
  std::thread beeper([] {
    for (int i = 0; i < 50; ++i)
      BeepOn(i % 2);
  });
  typist.join();
  fetcher.join();
  display.join();
  beeper.join();
  CloseDorvel();
}

}  // namespace
