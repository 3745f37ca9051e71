#include <gtest/gtest.h>

#include <array>

#include "core/varno_binding.h"
#include "platform/velmar_sim.h"

namespace lavrix {
namespace {

// The deliverables lie together: anything beside the platform library lies beside Varno too.
const void* BesideTheDeliverables() {
  return reinterpret_cast<const void*>(&VelmarSimAttach);
}

TEST(VarnoWriteBinding, BlocksAndTheEndReachAUsbKeyboardAndTheResultSaysSo) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  VarnoBinding varno(BesideTheDeliverables());
  ASSERT_EQ(varno.OpenVarno(), VarnoCall::Done);
  EXPECT_EQ(varno.GravaBloco512(1, 4, 0x11C, 2, 3, 4), VarnoCall::Done);
  EXPECT_EQ(varno.GravaBloco256(8, 5, 6, 7, 8), VarnoCall::Done);
  EXPECT_EQ(varno.TerminaGravacao(), VarnoCall::Done);
  std::int32_t reached = -1;
  EXPECT_EQ(varno.ResultadoGravacao(reached), VarnoCall::Done);
  EXPECT_EQ(reached, 1);
  std::array<unsigned char, 512> eeprom{};
  ASSERT_EQ(VelmarSimEeprom("usb-dorvel", eeprom.data()), 1);
  EXPECT_EQ((std::array{eeprom[260], eeprom[261], eeprom[8], eeprom[11]}),
            (std::array<unsigned char, 4>{0x1C, 2, 5, 8}));
  varno.CloseVarno();
}

TEST(VarnoWriteBinding, WithNoKeyboardTheResultSaysTheWriteReachedNone) {
  VarnoBinding varno(BesideTheDeliverables());
  varno.OpenVarno();
  EXPECT_EQ(varno.GravaBloco256(0, 1, 2, 3, 4), VarnoCall::Done);
  EXPECT_EQ(varno.TerminaGravacao(), VarnoCall::Done);
  std::int32_t reached = -1;
  EXPECT_EQ(varno.ResultadoGravacao(reached), VarnoCall::Done);
  EXPECT_EQ(reached, 0);
  varno.CloseVarno();
}

TEST(VarnoWriteBinding, AMissingResultEntryIsReportedAndLeavesTheAnswerAlone) {
  ASSERT_EQ(VelmarSimHideLibrary("Varno", "ResultadoGravacao"), 1);
  VarnoBinding varno(BesideTheDeliverables());
  std::int32_t reached = -1;
  EXPECT_EQ(varno.ResultadoGravacao(reached), VarnoCall::EntryMissing);
  EXPECT_EQ(reached, -1);
}

}  // namespace
}  // namespace lavrix
