#include "core/varno_binding.h"

#include <gtest/gtest.h>

#include "core/lazy_library.h"
#include "platform/velmar_sim.h"

namespace lavrix {
namespace {

// The deliverables lie together: anything beside the platform library lies beside Varno too.
const void* BesideTheDeliverables() {
  return reinterpret_cast<const void*>(&VelmarSimAttach);
}

TEST(LazyLibrary, FindsTheEntriesOfALibraryBesideTheGivenModule) {
  LazyLibrary library("velmar_platform", BesideTheDeliverables());
  EXPECT_EQ(library.Entry("VelmarSimAttach"), BesideTheDeliverables());
  EXPECT_EQ(library.Entry("NoSuchEntry"), nullptr);
}

TEST(LazyLibrary, LoadsAtItsFirstUseNotBefore) {
  LazyLibrary library("velmar_platform", BesideTheDeliverables());
  ASSERT_EQ(VelmarSimHideLibrary("velmar_platform", nullptr), 1);
  EXPECT_FALSE(library.Load());
  EXPECT_EQ(library.Entry("VelmarSimAttach"), nullptr);
}

TEST(LazyLibrary, AMissingEntryLeavesTheOthersUsable) {
  ASSERT_EQ(VelmarSimHideLibrary("velmar_platform", "VelmarSimDetach"), 1);
  LazyLibrary library("velmar_platform", BesideTheDeliverables());
  EXPECT_EQ(library.Entry("VelmarSimDetach"), nullptr);
  EXPECT_EQ(library.Entry("VelmarSimAttach"), BesideTheDeliverables());
  EXPECT_EQ(library.Entry("VelmarSimDetach"), nullptr);
}

TEST(LazyLibrary, AMissingLibraryIsReportedNotFatal) {
  LazyLibrary library("no_such_library", BesideTheDeliverables());
  EXPECT_FALSE(library.Load());
  EXPECT_EQ(library.Entry("OpenVarno"), nullptr);
}

TEST(VarnoBinding, WithoutTheLibraryEveryCallDoesNothingAndSaysSo) {
  ASSERT_EQ(VelmarSimHideLibrary("Varno", nullptr), 1);
  VarnoBinding varno(BesideTheDeliverables());
  EXPECT_EQ(varno.OpenVarno(), VarnoCall::LibraryMissing);
  EXPECT_EQ(varno.CloseVarno(), VarnoCall::LibraryMissing);
  EXPECT_EQ(varno.CloseVarno(), VarnoCall::LibraryMissing);
}

TEST(VarnoBinding, AMissingEntryDoesNothingAndSaysSo) {
  ASSERT_EQ(VelmarSimHideLibrary("Varno", "OpenVarno"), 1);
  VarnoBinding varno(BesideTheDeliverables());
  EXPECT_EQ(varno.OpenVarno(), VarnoCall::EntryMissing);
}

TEST(VarnoBinding, CallsTheEntriesTheLibraryHasAndClosesTwiceWithoutHarm) {
  LazyLibrary probe("Varno", BesideTheDeliverables());
  ASSERT_TRUE(probe.Load()) << "libvarno.so is built beside the platform library";
  const auto expected = [&](const char* entry) {
    return probe.Entry(entry) ? VarnoCall::Done : VarnoCall::EntryMissing;
  };
  VarnoBinding varno(BesideTheDeliverables());
  EXPECT_EQ(varno.OpenVarno(), expected("OpenVarno"));
  EXPECT_EQ(varno.CloseVarno(), expected("CloseVarno"));
  EXPECT_EQ(varno.CloseVarno(), expected("CloseVarno"));
}

TEST(VarnoBinding, DelayAdjIsMissingFromVarnoAndTheCallDoesNothing) {
  VarnoBinding varno(BesideTheDeliverables());
  EXPECT_EQ(varno.DelayAdj(1024), VarnoCall::EntryMissing);
  EXPECT_EQ(varno.DelayAdj(-32768), VarnoCall::EntryMissing);
  EXPECT_EQ(varno.OpenVarno(), VarnoCall::Done);
  EXPECT_EQ(varno.CloseVarno(), VarnoCall::Done);
}

}  // namespace
}  // namespace lavrix
