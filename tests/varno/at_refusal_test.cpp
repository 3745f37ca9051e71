#include <gtest/gtest.h>

#include <functional>

#include "tests/dorvel/sim_keyboard.h"
#include "varno/varno.h"

namespace {

using velmar::testing::atBytes;

struct Refusal {
  const char* name;
  std::function<void()> setUp;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
  *out << refusal.name;
}

class VarnoAtRefusal : public ::testing::TestWithParam<Refusal> {};

// Without a usable inpout32 the AT path must not call through a missing or freed entry.
TEST_P(VarnoAtRefusal, SendsNothingAndReturnsZero) {
  ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
  GetParam().setUp();
  ASSERT_EQ(VelmarSimClearTraffic("at-dorvel"), 1);

  EXPECT_EQ(GravaBloco512(1, 4, 1, 2, 3, 4), 0);
  EXPECT_EQ(GravaBloco256(4, 1, 2, 3, 4), 0);
  TxKbd(0xE0);
  EXPECT_EQ(RxKbd(), 0);
  EXPECT_EQ(TerminaGravacao(), 0);
  EXPECT_EQ(ResultadoGravacao(), 0);
  EXPECT_EQ(atBytes(), std::vector<std::uint8_t>{});
}

INSTANTIATE_TEST_SUITE_P(Varno, VarnoAtRefusal,
                         ::testing::Values(Refusal{"NeverOpened", [] {}},
                                           Refusal{"PortLibraryMissing",
                                                   [] {
                                                     VelmarSimHideLibrary("inpout32.dll", nullptr);
                                                     EXPECT_EQ(OpenVarno(), 1);
                                                   }},
                                           Refusal{"Out32Missing",
                                                   [] {
                                                     VelmarSimHideLibrary("inpout32.dll", "Out32");
                                                     EXPECT_EQ(OpenVarno(), 1);
                                                   }},
                                           Refusal{"ClosedAfterOpen",
                                                   [] {
                                                     EXPECT_EQ(OpenVarno(), 0);
                                                     CloseVarno();
                                                   }}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
