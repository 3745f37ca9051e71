#include "keys/key_selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "core/select_model.h"
#include "fake_editor_view.h"
#include "keys/matrix_editing.h"

namespace lavrix {
namespace {

using testing::FakeEditorView;

const PcKey& Key(std::string_view name) {
  const auto& keys = PcKeyTable();
  return *std::ranges::find(keys, name, &PcKey::name);
}

// The editor right after start: model 0, page 1, position 1.
struct Started {
  Started() { SelectModel(state, view, *FindModelItem("MDORVELdisAT")); }
  EditorState state;
  FakeEditorView view;
};

struct SelectionCase {
  const char* name;
  const char* key;
  int page;
  int position;
  std::size_t cell;
  std::int16_t code;
  int button;
  const char* caption;
  const char* font;
  friend void PrintTo(const SelectionCase& c, std::ostream* out) { *out << c.name; }
};

class SelectPcKeyTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectPcKeyTest, PlacesTheKeyOnTheCurrentPositionOfThePageShown) {
  const SelectionCase& c = GetParam();
  Started editor;
  editor.state.CurrentPage = static_cast<std::int16_t>(c.page);
  editor.state.CurrentPosition = static_cast<std::int16_t>(c.position);
  editor.state.LayoutCodes[c.cell] = 55;
  editor.view.captions.clear();

  SelectPcKey(editor.state, editor.view, Key(c.key));

  EXPECT_EQ(editor.state.LayoutCodes[c.cell], c.code);
  EXPECT_EQ(editor.state.CurrentCode, c.code);
  EXPECT_EQ(editor.state.CurrentCaption, c.caption);
  EXPECT_EQ(editor.state.CurrentFontName, c.font);
  EXPECT_EQ(editor.state.CurrentPage, c.page);
  EXPECT_EQ(editor.state.CurrentPosition, c.position);
  ASSERT_EQ(editor.view.captions.size(), 1u);
  EXPECT_EQ(editor.view.captions[c.button], (FakeEditorView::Caption{c.caption, c.font}));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SelectPcKeyTest,
    ::testing::Values(
        SelectionCase{"Nula", "Tecla14", 0, 1, 0, 0, 1, " ", "MS Sans Serif"},
        SelectionCase{"LetterOnPageThree", "Tecla52", 2, 5, 260, 11, 5, "A", "MS Sans Serif"},
        SelectionCase{"LastLinePosition", "Tecla71", 1, 100, 227, 12, 4, "B", "MS Sans Serif"},
        SelectionCase{"LastCellOfTheLayout", "Tecla36", 3, 111, 494, 27, 15, "Q", "MS Sans Serif"},
        SelectionCase{"SeventhRow", "Tecla83", 3, 115, 498, 82, 115, "\u00F1", "Wingdings"},
        SelectionCase{"NumLockShortCaption", "Tecla102", 0, 20, 19, 74, 20, "NL", "MS Sans Serif"},
        SelectionCase{"AmpersandKeepsItsCaption", "Tecla25", 0, 2, 1, 7, 2, "   &&     7  ",
                      "MS Sans Serif"},
        SelectionCase{"LargeFontKeyGivesOnlyTheName", "Tecla18", 0, 3, 2, 47, 3, "   ~   '",
                      "MS Sans Serif"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SelectPcKey, AfterAnArrowTheKeypadTwoShowsInSansSerif) {
  Started editor;
  SelectPcKey(editor.state, editor.view, Key("Tecla84"));
  EXPECT_EQ(editor.view.captions[1], (FakeEditorView::Caption{"\u00F2", "Wingdings"}));
  SelectPcKey(editor.state, editor.view, Key("Tecla98"));
  EXPECT_EQ(editor.view.captions[1], (FakeEditorView::Caption{"2", "MS Sans Serif"}));
  EXPECT_EQ(editor.state.LayoutCodes[0], 93);
}

TEST(SelectPcKey, ChangesTheCellEvenWhileEditingIsRefused) {
  Started editor;
  editor.state.FilePassword = "dono";
  editor.state.EditUnlocked = false;
  editor.state.FileProtection = ProtectionLevel::WriteOnly;
  ASSERT_FALSE(MayEdit(editor.state));
  SelectPcKey(editor.state, editor.view, Key("Tecla52"));
  EXPECT_EQ(editor.state.LayoutCodes[0], 11);
  EXPECT_EQ(editor.view.captions[1].text, "A");
}

TEST(SelectPcKey, ThePageButtonCaptionGivesWayToTheTableAfterARefresh) {
  struct Pair {
    const char* key;
    const char* placed;
    const char* refreshed;
  };
  for (const Pair& pair : {Pair{"Tecla102", "NL", "NUM"}, Pair{"Tecla32", "INS", "Ins"},
                           Pair{"Tecla35", "Tab", "TAB"}, Pair{"Tecla20", "  @  2", "  @   2"}}) {
    SCOPED_TRACE(pair.key);
    Started editor;
    editor.state.CurrentPosition = 33;
    SelectPcKey(editor.state, editor.view, Key(pair.key));
    EXPECT_EQ(editor.view.captions[33].text, pair.placed);
    SelectPage(editor.state, editor.view, 2);
    SelectPage(editor.state, editor.view, 1);
    EXPECT_EQ(editor.view.captions[33].text, pair.refreshed);
  }
}

TEST(SelectPcKey, ClickedTwiceChangesNothingMore) {
  Started editor;
  SelectPcKey(editor.state, editor.view, Key("Tecla40"));
  const EditorState once = editor.state;
  const auto captions = editor.view.captions;
  SelectPcKey(editor.state, editor.view, Key("Tecla40"));
  EXPECT_EQ(editor.state.LayoutCodes, once.LayoutCodes);
  EXPECT_EQ(editor.state.CurrentCaption, once.CurrentCaption);
  EXPECT_EQ(editor.view.captions, captions);
}

TEST(ShowCurrentKey, PositionsWithoutAButtonChangeNoButton) {
  for (int position : {16, 32, 48, 64, 80, 96, 116, 128}) {
    Started editor;
    editor.view.captions.clear();
    editor.state.CurrentPosition = static_cast<std::int16_t>(position);
    SelectPcKey(editor.state, editor.view, Key("Tecla52"));
    EXPECT_TRUE(editor.view.captions.empty()) << position;
    EXPECT_EQ(editor.state.LayoutCodes[position - 1], 11) << position;
  }
}

}  // namespace
}  // namespace lavrix
