#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/platform.h"
#include "sim_texts.h"
#include "tests/dorvel/sim_keyboard.h"
#include "varno/varno.h"

namespace {

using velmar::testing::atBytes;
using velmar::testing::eeprom;
using velmar::testing::injectedKeys;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kAcknowledge = 0xFA;

// Whether an answer of the keyboard waits unread in the controller.
bool answerWaiting() {
  return (velmar::platform::ports().read(0x64).value_or(0) & 0x01) != 0;
}

class VarnoAtPath : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
    ASSERT_EQ(OpenVarno(), 0);
    ASSERT_EQ(VelmarSimClearTraffic("at-dorvel"), 1);
  }
};

struct WireCase {
  const char* name;
  std::function<std::int32_t()> call;
  Bytes wire;
};

TEST_F(VarnoAtPath, EachCallSendsItsBytesAndReadsOneAnswerPerByte) {
  const std::vector<WireCase> cases = {
      {"GravaBloco512 with codes above 255",
       [] { return GravaBloco512(1, 4, 0x11C, 0x22, 0x133, 0x44); },
       {0xE2, 0x01, 0x04, 0x1C, 0x22, 0x33, 0x44, 0xE3}},
      {"GravaBloco512 page and address over a byte",
       [] { return GravaBloco512(0x101, 0x1FC, 1, 2, 3, 4); },
       {0xE2, 0x01, 0xFC, 0x01, 0x02, 0x03, 0x04, 0xE3}},
      {"GravaBloco256",
       [] { return GravaBloco256(8, 0x1C, 0, 0, 0); },
       {0xE2, 0x08, 0x1C, 0x00, 0x00, 0x00, 0xE3}},
      {"GravaBloco256 address over a byte",
       [] { return GravaBloco256(0x108, 0x21C, 0, 0, 9); },
       {0xE2, 0x08, 0x1C, 0x00, 0x00, 0x09, 0xE3}},
      {"TerminaGravacao", [] { return TerminaGravacao(); }, {0xE4}},
  };
  for (const WireCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(VelmarSimClearTraffic("at-dorvel"), 1);
    // Every byte but the last gets a resend request: the result must be the last byte's answer.
    ASSERT_EQ(VelmarSimAtResend(static_cast<int>(c.wire.size()) - 1), 1);
    EXPECT_EQ(c.call(), kAcknowledge);
    EXPECT_EQ(atBytes(), c.wire);
    EXPECT_FALSE(answerWaiting());
  }
  EXPECT_EQ(injectedKeys(), "") << "no key-down on the AT path";
}

TEST_F(VarnoAtPath, AWriteReachesTheKeyboardsEeprom) {
  EXPECT_EQ(GravaBloco512(1, 4, 0x11, 0x12, 0x13, 0x14), kAcknowledge);
  EXPECT_EQ(GravaBloco512(0, 8, 0x21, 0x22, 0x23, 0x24), kAcknowledge);
  EXPECT_EQ(TerminaGravacao(), kAcknowledge);
  EXPECT_EQ(ResultadoGravacao(), 1);
  const auto stored = eeprom("at-dorvel");
  EXPECT_EQ(Bytes(stored.begin() + 260, stored.begin() + 264), (Bytes{0x11, 0x12, 0x13, 0x14}));
  EXPECT_EQ(Bytes(stored.begin() + 8, stored.begin() + 12), (Bytes{0x21, 0x22, 0x23, 0x24}));
}

TEST_F(VarnoAtPath, ASilentKeyboardLetsTheBlockCompleteButNotTheWrite) {
  ASSERT_EQ(VelmarSimAtSilent(1), 1);
  const std::uint8_t held = velmar::platform::ports().read(0x60).value_or(0);
  EXPECT_EQ(GravaBloco512(0, 4, 1, 2, 3, 4), held) << "what the data port holds";
  EXPECT_EQ(atBytes(), (Bytes{0xE2, 0x00, 0x04, 0x01, 0x02, 0x03, 0x04, 0xE3}));
  TerminaGravacao();
  EXPECT_EQ(ResultadoGravacao(), 0);
}

TEST_F(VarnoAtPath, AStuckControllerTakesNothingAndTheNextBlockGoesOut) {
  ASSERT_EQ(VelmarSimAtBusy(-1), 1);
  EXPECT_EQ(GravaBloco512(0, 4, 1, 2, 3, 4), 0);
  EXPECT_EQ(GravaBloco256(4, 1, 2, 3, 4), 0);
  TxKbd(0xE0);
  EXPECT_EQ(TerminaGravacao(), 0);
  EXPECT_EQ(ResultadoGravacao(), 0);
  EXPECT_EQ(atBytes(), Bytes{});

  ASSERT_EQ(VelmarSimAtBusy(0), 1);
  EXPECT_EQ(GravaBloco512(0, 4, 1, 2, 3, 4), kAcknowledge);
  EXPECT_EQ(atBytes(), (Bytes{0xE2, 0x00, 0x04, 0x01, 0x02, 0x03, 0x04, 0xE3}));
}

TEST_F(VarnoAtPath, ABusyControllerIsWaitedFor) {
  ASSERT_EQ(VelmarSimAtBusy(50), 1);
  EXPECT_EQ(GravaBloco256(4, 1, 2, 3, 4), kAcknowledge);
  EXPECT_EQ(atBytes(), (Bytes{0xE2, 0x04, 0x01, 0x02, 0x03, 0x04, 0xE3}));
}

TEST_F(VarnoAtPath, TxKbdSendsTheLowByteAndRxKbdReadsTheAnswer) {
  TxKbd(0x1E5);
  EXPECT_EQ(atBytes(), Bytes{0xE5});
  EXPECT_EQ(RxKbd(), kAcknowledge);
  EXPECT_FALSE(answerWaiting());
  EXPECT_EQ(RxKbd(), kAcknowledge) << "nothing came: the data port still holds the last byte";
}

}  // namespace
