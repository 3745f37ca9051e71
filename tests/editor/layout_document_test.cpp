#include "core/layout_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>

#include "core/file_protection.h"
#include "fake_editor_view.h"
#include "keys/cell_caption.h"

namespace lavrix {
namespace {

using testing::FakeEditorView;

// The file a fresh start saves: 512 zeros, "Velmar" and "Epshn" as codes, level 0, model 0.
std::string DefaultFileText() {
  std::string text;
  for (int i = 0; i < kCellCount; ++i)
    text += "0\r\n";
  text += "6\r\n86\r\n101\r\n108\r\n109\r\n97\r\n114\r\n";
  text += "5\r\n69\r\n112\r\n115\r\n104\r\n110\r\n";
  text += "0\r\n0\r\n";
  return text;
}

TEST(LayoutFileOfState, AFreshStartGivesTheDefaultFile) {
  EditorState state;
  SetStartValues(state, "/opt/velmar");
  const auto file = LayoutFileOfState(state);
  ASSERT_TRUE(file.has_value());
  const std::string text = WriteLayoutFile(*file);
  EXPECT_EQ(text, DefaultFileText());
  EXPECT_EQ(std::ranges::count(text, '\n'), 527);
}

TEST(LayoutFileOfState, TakesTheEnteredProtectionAndTheCurrentModel) {
  EditorState state;
  state.LayoutCodes[511] = -3;
  state.FilePassword = "old";
  state.FileProtection = ProtectionLevel::ViewAndWrite;
  state.EnteredPassword = "Ção";
  state.EnteredReminder = "";
  state.EnteredProtection = ProtectionLevel::WriteOnly;
  state.CurrentModel = 15;
  const auto file = LayoutFileOfState(state);
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->codes[511], -3);
  EXPECT_EQ(file->password, "\xC7\xE3o");
  EXPECT_EQ(file->reminder, "");
  EXPECT_EQ(file->protection, 2);
  EXPECT_EQ(file->model, 15);
}

TEST(LayoutFileOfState, RefusesAPasswordOrReminderTheFileCannotHold) {
  EditorState state;
  state.EnteredPassword = "hasło";
  EXPECT_FALSE(LayoutFileOfState(state).has_value());
  state.EnteredPassword = "ok";
  state.EnteredReminder = "日";
  EXPECT_FALSE(LayoutFileOfState(state).has_value());
}

class ApplyOpenedLayoutTest : public ::testing::Test {
 protected:
  ApplyOpenedLayoutTest() {
    view.shownPositions = {1, 2, 3};
    file.codes[0] = 11;
    file.codes[128] = 12;
    file.password = "\xE7";
    file.reminder = "a,b";
    file.protection = 2;
  }
  EditorState state;
  FakeEditorView view;
  LayoutFile file;
};

TEST_F(ApplyOpenedLayoutTest, TakesTheLayoutAndTheFileProtection) {
  state.EnteredPassword = "ç";
  file.model = 1;
  ApplyOpenedLayout(state, view, file);
  EXPECT_EQ(state.LayoutCodes, file.codes);
  EXPECT_EQ(state.FilePassword, "ç");
  EXPECT_EQ(state.FileReminder, "a,b");
  EXPECT_EQ(state.FileProtection, ProtectionLevel::WriteOnly);
  EXPECT_TRUE(state.EditUnlocked);
  EXPECT_EQ(state.CurrentModel, 1);
  // Model 1 is the main row's, never the generate-only variant's.
  EXPECT_EQ(view.checkedModelItems, (std::set<std::string, std::less<>>{"MFESKDisAT"}));
  EXPECT_EQ(view.shownPositions.size(), 44u);
  EXPECT_EQ(view.captions.at(1).text, CaptionOfCode(11)->text);
}

TEST_F(ApplyOpenedLayoutTest, AModelWithoutARowKeepsTheButtonsAndRedrawsTheShownPage) {
  state.CurrentPage = 1;
  state.EnteredPassword = "other";
  state.EditUnlocked = true;
  file.model = 15;
  ApplyOpenedLayout(state, view, file);
  EXPECT_EQ(state.CurrentModel, 15);
  EXPECT_FALSE(state.EditUnlocked);
  EXPECT_EQ(view.shownPositions, (std::set<int>{1, 2, 3}));
  EXPECT_TRUE(view.checkedModelItems.empty());
  EXPECT_EQ(view.captions.at(1).text, CaptionOfCode(12)->text);
}

struct ViewCase {
  const char* name;
  ProtectionLevel level;
  const char* entered;
  std::optional<ProtectionView> view;
  friend void PrintTo(const ViewCase& c, std::ostream* out) { *out << c.name; }
};

class ViewAfterOpenTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(ViewAfterOpenTest, FollowsTheLevelUnlessThePasswordsMatch) {
  EditorState state;
  state.FilePassword = "Senha1";
  state.FileProtection = GetParam().level;
  state.EnteredPassword = GetParam().entered;
  EXPECT_EQ(ViewAfterOpen(state), GetParam().view);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, ViewAfterOpenTest,
    ::testing::Values(ViewCase{"FreeWithOtherPassword", ProtectionLevel::Free, "x",
                               ProtectionView::Full},
                      ViewCase{"ExamineWithOtherPassword", ProtectionLevel::ViewAndWrite, "x",
                               ProtectionView::Examine},
                      ViewCase{"WriteOnlyWithOtherPassword", ProtectionLevel::WriteOnly, "x",
                               ProtectionView::WriteOnly},
                      ViewCase{"WriteOnlyWithOtherCase", ProtectionLevel::WriteOnly, "senha1",
                               ProtectionView::WriteOnly},
                      ViewCase{"ExamineWithPassword", ProtectionLevel::ViewAndWrite, "Senha1",
                               ProtectionView::Full},
                      ViewCase{"WriteOnlyWithPassword", ProtectionLevel::WriteOnly, "Senha1",
                               ProtectionView::Full},
                      ViewCase{"UnknownLevel", static_cast<ProtectionLevel>(3), "x", std::nullopt},
                      ViewCase{"UnknownLevelWithPassword", static_cast<ProtectionLevel>(-1),
                               "Senha1", ProtectionView::Full}),
    [](const auto& info) { return std::string(info.param.name); });

struct ConfirmCase {
  const char* name;
  ProtectionLevel fileLevel;
  bool unlocked;
  const char* typed;
  bool authorised;
  friend void PrintTo(const ConfirmCase& c, std::ostream* out) { *out << c.name; }
};

class ConfirmOptionsTest : public ::testing::TestWithParam<ConfirmCase> {};

TEST_P(ConfirmOptionsTest, ChangesTheFileProtectionOnlyWhenAuthorised) {
  const ConfirmCase& c = GetParam();
  EditorState state;
  state.FilePassword = "dono";
  state.FileReminder = "lem";
  state.FileProtection = c.fileLevel;
  state.EditUnlocked = c.unlocked;
  const OptionsEntry entry{c.typed, "novo", ProtectionLevel::ViewAndWrite};

  EXPECT_EQ(ConfirmOptions(state, entry), c.authorised);
  EXPECT_EQ(state.EnteredPassword, c.typed);
  EXPECT_EQ(state.EnteredReminder, "novo");
  EXPECT_EQ(state.EnteredProtection, ProtectionLevel::ViewAndWrite);
  EXPECT_EQ(state.EditUnlocked, c.authorised);
  EXPECT_EQ(state.FilePassword, c.authorised ? c.typed : "dono");
  EXPECT_EQ(state.FileReminder, c.authorised ? "novo" : "lem");
  EXPECT_EQ(state.FileProtection, c.authorised ? ProtectionLevel::ViewAndWrite : c.fileLevel);
  EXPECT_EQ(MayEdit(state), c.authorised);
}

INSTANTIATE_TEST_SUITE_P(
    Users, ConfirmOptionsTest,
    ::testing::Values(ConfirmCase{"FreeLayout", ProtectionLevel::Free, false, "x", true},
                      ConfirmCase{"RightPassword", ProtectionLevel::WriteOnly, false, "dono", true},
                      ConfirmCase{"AlreadyUnlocked", ProtectionLevel::WriteOnly, true, "x", true},
                      ConfirmCase{"WrongPassword", ProtectionLevel::WriteOnly, false, "x", false},
                      ConfirmCase{"WrongCase", ProtectionLevel::ViewAndWrite, false, "DONO",
                                  false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConfirmOptions, AnEmptyPasswordMatchesAFileSavedWithoutOne) {
  EditorState state;
  state.FilePassword = "";
  state.FileProtection = ProtectionLevel::WriteOnly;
  state.EditUnlocked = false;
  EXPECT_TRUE(ConfirmOptions(state, {"", "", ProtectionLevel::WriteOnly}));
}

TEST(WindowCaption, NamesThePathAndAfterOpenTheReminder) {
  EXPECT_EQ(WindowCaption("/tmp/a.vly"), "Lavrix Velmar - /tmp/a.vly");
  EXPECT_EQ(OpenedWindowCaption("/tmp/a.vly", ""), "Lavrix Velmar - /tmp/a.vly - ");
}

}  // namespace
}  // namespace lavrix
