#include "core/editor_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace lavrix {
namespace {

TEST(EditorState, FreshStartHasAnEmptyLayoutAndTheDefaults) {
  EditorState state;
  SetStartValues(state, "/opt/velmar");
  EXPECT_TRUE(std::ranges::all_of(state.LayoutCodes, [](std::int16_t code) { return code == 0; }));
  EXPECT_EQ(state.LayoutCodes.size(), 512u);
  EXPECT_EQ(state.CurrentModel, 0);
  EXPECT_EQ(state.CurrentPage, 0);
  EXPECT_EQ(state.CurrentCode, 0);
  EXPECT_EQ(state.CurrentCaption, " ");
  EXPECT_EQ(state.CurrentFontName, "MS Sans Serif");
  EXPECT_EQ(state.LayoutFileName, "arquivo_modelo0");
  EXPECT_EQ(state.InitialDirectory, "/opt/velmar");
  EXPECT_EQ(state.FilePassword, "Velmar");
  EXPECT_EQ(state.EnteredPassword, "Velmar");
  EXPECT_EQ(state.FileReminder, "Epshn");
  EXPECT_EQ(state.EnteredReminder, "Epshn");
  EXPECT_EQ(state.FileProtection, ProtectionLevel::Free);
  EXPECT_EQ(state.EnteredProtection, ProtectionLevel::Free);
  EXPECT_TRUE(state.EditUnlocked);
  EXPECT_EQ(state.DelayValue, "1024");
  EXPECT_FALSE(state.TimerElapsed);
  EXPECT_FALSE(state.WaitStart.has_value());
  EXPECT_TRUE(MayEdit(state));
}

TEST(EditorState, StartValuesReplaceWhatAnEarlierRunLeft) {
  EditorState state;
  state.CurrentCode = 11;
  state.CurrentCaption = "A";
  state.CurrentFontName = "Wingdings";
  state.CurrentPage = 3;
  state.CurrentModel = 17;
  state.FilePassword = "x";
  state.EnteredReminder = "y";
  state.EditUnlocked = false;
  state.DelayValue = "abc";
  state.LayoutFileName = "Novo.vly";
  SetStartValues(state, "/tmp");
  EXPECT_EQ(state.CurrentCode, 0);
  EXPECT_EQ(state.CurrentCaption, " ");
  EXPECT_EQ(state.CurrentFontName, "MS Sans Serif");
  EXPECT_EQ(state.CurrentPage, 0);
  EXPECT_EQ(state.CurrentModel, 0);
  EXPECT_EQ(state.FilePassword, "Velmar");
  EXPECT_EQ(state.EnteredReminder, "Epshn");
  EXPECT_TRUE(state.EditUnlocked);
  EXPECT_EQ(state.DelayValue, "1024");
  EXPECT_EQ(state.LayoutFileName, "arquivo_modelo0");
}

struct CellCase {
  const char* name;
  int page;
  int position;
  std::optional<std::size_t> index;
  friend void PrintTo(const CellCase& c, std::ostream* out) { *out << c.name; }
};

class CellIndexTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellIndexTest, IsPageTimes128PlusPositionMinusOneWithinTheLayout) {
  EXPECT_EQ(CellIndex(GetParam().page, GetParam().position), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellIndexTest,
                         ::testing::Values(CellCase{"FirstCell", 0, 1, 0},
                                           CellCase{"LastCell", 3, 128, 511},
                                           CellCase{"PageTwoStart", 1, 1, 128},
                                           CellCase{"PageThreeEnd", 2, 128, 383},
                                           CellCase{"LastLineRowOnPageTwo", 1, 99, 226},
                                           CellCase{"PastTheLastCell", 3, 129, std::nullopt},
                                           CellCase{"BeforeTheFirstCell", 0, 0, std::nullopt},
                                           CellCase{"NegativePage", -1, 128, std::nullopt},
                                           CellCase{"PageFour", 4, 1, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PermissionCase {
  const char* name;
  const char* filePassword;
  const char* enteredPassword;
  bool unlocked;
  ProtectionLevel protection;
  bool mayEdit;
  friend void PrintTo(const PermissionCase& c, std::ostream* out) { *out << c.name; }
};

class MayEditTest : public ::testing::TestWithParam<PermissionCase> {};

TEST_P(MayEditTest, HoldsWhenPasswordsMatchOrUnlockedOrFree) {
  EditorState state;
  state.FilePassword = GetParam().filePassword;
  state.EnteredPassword = GetParam().enteredPassword;
  state.EditUnlocked = GetParam().unlocked;
  state.FileProtection = GetParam().protection;
  EXPECT_EQ(MayEdit(state), GetParam().mayEdit);
}

INSTANTIATE_TEST_SUITE_P(
    Permissions, MayEditTest,
    ::testing::Values(PermissionCase{"SamePassword", "segredo", "segredo", false,
                                     ProtectionLevel::WriteOnly, true},
                      PermissionCase{"CaseDiffersLocked", "Velmar", "velmar", false,
                                     ProtectionLevel::ViewAndWrite, false},
                      PermissionCase{"CaseDiffersUnlocked", "Velmar", "VELMAR", true,
                                     ProtectionLevel::WriteOnly, true},
                      PermissionCase{"CaseDiffersFree", "Velmar", "velmar", false,
                                     ProtectionLevel::Free, true},
                      PermissionCase{"OtherPasswordWriteOnly", "a", "b", false,
                                     ProtectionLevel::WriteOnly, false},
                      PermissionCase{"BothEmpty", "", "", false, ProtectionLevel::WriteOnly, true},
                      PermissionCase{"TrailingBlankDiffers", "abc ", "abc", false,
                                     ProtectionLevel::WriteOnly, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lavrix
