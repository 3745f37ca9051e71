#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "platform/velmar_sim.h"

namespace velmar::platform {
namespace {

// Several threads on one simulated machine at once; run under ThreadSanitizer by `make test`.
TEST(SimConcurrency, ReportsPortsTypingAndMessagesFromManyThreads) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
  auto devices = hidBus().enumerate();
  ASSERT_EQ(devices.size(), 1u);
  auto device = hidBus().open(devices[0].path);
  ASSERT_NE(device, nullptr);

  std::atomic<int> keys = 0;
  auto hook = keyboard().installHook([&](const KeyEvent&) { ++keys; }, {});
  std::atomic<int> written = 0;
  constexpr int kRounds = 200;

  std::vector<std::thread> threads;
  for (int t = 0; t < 2; ++t) {
    threads.emplace_back([&] {
      std::array<std::uint8_t, 64> report{0, 0x18, 1, 'x'};
      for (int i = 0; i < kRounds; ++i)
        written += device->write(report) ? 1 : 0;
    });
  }
  threads.emplace_back([&] {
    for (int i = 0; i < kRounds; ++i) {
      ports().write(0x60, 0xE0);
      ports().read(0x64);
      ports().read(0x60);
    }
  });
  threads.emplace_back([&] {
    for (int i = 0; i < 20; ++i)
      VelmarSimType("[1234]56\r");
  });
  threads.emplace_back([&] {
    for (int i = 0; i < kRounds; ++i) {
      const int id =
          windowMessages().addListener([](std::uint32_t, std::uintptr_t, std::intptr_t) {});
      windowMessages().broadcast(0xC000, 1, 0);
      windowMessages().removeListener(id);
      VelmarSimDisplay(nullptr, 0);
    }
  });
  for (auto& thread : threads)
    thread.join();

  EXPECT_EQ(written, 2 * kRounds);
  EXPECT_EQ(VelmarSimTraffic("usb-dorvel", nullptr, 0), 2 * kRounds * 64);
  EXPECT_EQ(VelmarSimTraffic("at-dorvel", nullptr, 0), kRounds);
  EXPECT_GT(keys, 0);
}

}  // namespace
}  // namespace velmar::platform
