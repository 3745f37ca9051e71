#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "tests/dorvel/sim_keyboard.h"
#include "varno/varno.h"

namespace {

using velmar::testing::atBytes;

constexpr std::size_t kBlockLength = 8;

// Whole blocks only: 0xE2, page, address, four codes equal to the page, 0xE3.
void expectWholeBlocks(const std::vector<std::uint8_t>& wire) {
  ASSERT_EQ(wire.size() % kBlockLength, 0u);
  for (std::size_t at = 0; at < wire.size(); at += kBlockLength) {
    const std::uint8_t writer = wire[at + 1];
    EXPECT_EQ(wire[at], 0xE2) << "block at " << at;
    for (std::size_t code = 3; code < 7; ++code)
      EXPECT_EQ(wire[at + code], writer) << at;
    EXPECT_EQ(wire[at + 7], 0xE3) << "block at " << at;
  }
}

// A silent keyboard makes every byte wait its full answer time, so that the threads' blocks
// overlap in time.
class VarnoAtThreads : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
    ASSERT_EQ(OpenVarno(), 0);
    ASSERT_EQ(VelmarSimAtSilent(1), 1);
    ASSERT_EQ(VelmarSimClearTraffic("at-dorvel"), 1);
  }
};

TEST_F(VarnoAtThreads, BlocksFromTwoThreadsNeverInterleave) {
  constexpr int kBlocksEach = 6;
  auto writer = [](std::int32_t page) {
    for (int k = 0; k < kBlocksEach; ++k)
      GravaBloco512(page, 4 * k, page, page, page, page);
  };
  std::thread first(writer, 1);
  std::thread second(writer, 2);
  first.join();
  second.join();
  const auto wire = atBytes();
  EXPECT_EQ(wire.size(), 2 * kBlocksEach * kBlockLength);
  expectWholeBlocks(wire);
}

TEST_F(VarnoAtThreads, CloseVarnoDuringAWriteCutsBetweenBlocks) {
  std::atomic<bool> stop = false;
  std::thread writer([&] {
    while (!stop)
      GravaBloco512(1, 4, 1, 1, 1, 1);
  });
  while (atBytes().size() < 2 * kBlockLength + 3)
    std::this_thread::yield();
  CloseVarno();
  const auto wireAtClose = atBytes();
  GravaBloco512(1, 4, 1, 1, 1, 1);
  stop = true;
  writer.join();
  EXPECT_EQ(atBytes(), wireAtClose) << "nothing goes out once the port library is freed";
  expectWholeBlocks(wireAtClose);
}

}  // namespace
