#include "keys/matrix_editing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "core/select_model.h"
#include "fake_editor_view.h"
#include "keys/key_selection.h"

namespace lavrix {
namespace {

using testing::FakeEditorView;

const PcKey& Key(std::string_view name) {
  const auto& keys = PcKeyTable();
  return *std::ranges::find(keys, name, &PcKey::name);
}

struct Editor {
  explicit Editor(std::string_view modelItem = "MDORVELdisAT") {
    ChooseModelMenuItem(state, view, *FindModelItem(modelItem));
  }
  void Lock() {
    state.FilePassword = "dono";
    state.EditUnlocked = false;
    state.FileProtection = ProtectionLevel::ViewAndWrite;
  }
  void TurnLastLineOn() {
    view.lastLineBoxChecked = true;
    ToggleLastLineOption(state, view);
  }
  EditorState state;
  FakeEditorView view;
};

TEST(PlaceCurrentKey, OnPageThreePlacesTheSelectedKey) {
  Editor editor;
  SelectPage(editor.state, editor.view, 3);
  SelectPcKey(editor.state, editor.view, Key("Tecla52"));
  PlaceCurrentKey(editor.state, editor.view, 17);
  EXPECT_EQ(editor.state.LayoutCodes[272], 11);
  EXPECT_EQ(editor.state.CurrentPosition, 17);
  EXPECT_EQ(editor.view.captions[17], (FakeEditorView::Caption{"A", "MS Sans Serif"}));
}

struct LastLineCase {
  const char* name;
  int button;
  int position;
  std::size_t cell;
  friend void PrintTo(const LastLineCase& c, std::ostream* out) { *out << c.name; }
};

class LastLinePlacementTest : public ::testing::TestWithParam<LastLineCase> {};

TEST_P(LastLinePlacementTest, FirstRowButtonsStandForPositions97To111) {
  Editor editor("MHOLBEAT");
  editor.TurnLastLineOn();
  SelectPage(editor.state, editor.view, 2);
  editor.state.CurrentCode = 12;
  PlaceCurrentKey(editor.state, editor.view, GetParam().button);
  EXPECT_EQ(editor.state.CurrentPosition, GetParam().position);
  EXPECT_EQ(editor.state.LayoutCodes[GetParam().cell], 12);
}

INSTANTIATE_TEST_SUITE_P(Buttons, LastLinePlacementTest,
                         ::testing::Values(LastLineCase{"Option1", 1, 97, 224},
                                           LastLineCase{"Option3", 3, 99, 226},
                                           LastLineCase{"Option15", 15, 111, 238},
                                           LastLineCase{"Option17", 17, 17, 144},
                                           LastLineCase{"Option112", 112, 112, 239}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlaceCurrentKey, IsRefusedWhileEditingIsNotAllowed) {
  Editor editor;
  SelectPcKey(editor.state, editor.view, Key("Tecla52"));
  editor.Lock();
  const auto codes = editor.state.LayoutCodes;
  const auto captions = editor.view.captions;
  PlaceCurrentKey(editor.state, editor.view, 20);
  EXPECT_EQ(editor.state.LayoutCodes, codes);
  EXPECT_EQ(editor.view.captions, captions);
  EXPECT_EQ(editor.state.CurrentPosition, 1);

  // A PC key still goes to the old position.
  SelectPcKey(editor.state, editor.view, Key("Tecla71"));
  EXPECT_EQ(editor.state.LayoutCodes[0], 12);
  EXPECT_EQ(editor.state.LayoutCodes[19], 0);
}

TEST(PlaceCurrentKey, GivesTheFontNameTheLastRefreshLeft) {
  Editor editor;
  SelectPcKey(editor.state, editor.view, Key("Tecla83"));
  SelectPage(editor.state, editor.view, 2);
  EXPECT_EQ(editor.state.CurrentFontName, "MS Sans Serif");
  PlaceCurrentKey(editor.state, editor.view, 5);
  EXPECT_EQ(editor.view.captions[5], (FakeEditorView::Caption{"\u00F1", "MS Sans Serif"}));
  EXPECT_EQ(editor.state.LayoutCodes[128 + 4], 82);
  SelectPage(editor.state, editor.view, 2);
  EXPECT_EQ(editor.view.captions[5], (FakeEditorView::Caption{"\u00F1", "Wingdings"}));
}

TEST(SelectPage, ChecksItsMenuItemAndRedrawsFromItsCells) {
  Editor editor;
  for (int page = 1; page <= 4; ++page) {
    editor.state.LayoutCodes[(page - 1) * 128 + 41] = static_cast<std::int16_t>(47 + page);
  }
  for (int page : {3, 1, 4, 2}) {
    SelectPage(editor.state, editor.view, page);
    EXPECT_EQ(editor.state.CurrentPage, page - 1);
    EXPECT_EQ(editor.view.checkedPageItems, std::set<int>{page});
    EXPECT_EQ(editor.view.captions[42].text, "F" + std::to_string(page));
    EXPECT_EQ(editor.state.CurrentPosition, 1);
  }
}

TEST(SelectPage, FromTheMenuGivesTheSameCaptionsAsTheButtonAndFocusesIt) {
  for (bool lastLine : {false, true}) {
    SCOPED_TRACE(lastLine ? "last line on" : "last line off");
    Editor byButton("MHOLBEAT");
    Editor byMenu("MHOLBEAT");
    for (Editor* editor : {&byButton, &byMenu}) {
      for (std::size_t cell = 0; cell < editor->state.LayoutCodes.size(); ++cell) {
        editor->state.LayoutCodes[cell] = static_cast<std::int16_t>(cell % 101);
      }
      if (lastLine) editor->TurnLastLineOn();
    }
    SelectPage(byButton.state, byButton.view, 3);
    ChoosePageMenuItem(byMenu.state, byMenu.view, 3);
    EXPECT_EQ(byMenu.view.captions, byButton.view.captions);
    EXPECT_EQ(byMenu.view.focusedPage, 3);
    EXPECT_EQ(byMenu.view.selectedPage, 3);
  }
}

TEST(SelectPage, WithTheLastLineOnShowsPositions97To110) {
  Editor editor("MHOLBEAT");
  editor.TurnLastLineOn();
  for (int d = 1; d <= 15; ++d)
    editor.state.LayoutCodes[384 + 96 + d - 1] = 71;
  editor.view.captions.clear();
  SelectPage(editor.state, editor.view, 4);
  EXPECT_EQ(editor.view.captions.size(), 14u);
  EXPECT_EQ(editor.view.captions[14].text, "ESC");
  EXPECT_FALSE(editor.view.captions.contains(15));
}

TEST(ToggleLastLineOption, OnPageFourStopsAtThe512thCell) {
  Editor editor("MHOLBEAT");
  SelectPage(editor.state, editor.view, 4);
  // One-based cells 481-512 hold A to Z and then F1 to F6.
  for (int i = 0; i < 32; ++i) {
    editor.state.LayoutCodes[480 + i] = static_cast<std::int16_t>(i < 26 ? 11 + i : 48 + i - 26);
  }
  editor.view.captionWrites.clear();
  editor.view.lastLineBoxChecked = true;
  ToggleLastLineOption(editor.state, editor.view);

  std::vector<std::pair<int, std::string>> expected;
  for (int d = 1; d <= 32; ++d) {
    if (d == 16 || d == 32) continue;
    const int i = d - 1;
    expected.emplace_back(d, i < 26 ? std::string(1, char('A' + i)) : "F" + std::to_string(i - 25));
  }
  ASSERT_GE(editor.view.captionWrites.size(), expected.size());
  EXPECT_EQ(std::vector(editor.view.captionWrites.begin(),
                        editor.view.captionWrites.begin() + expected.size()),
            expected);
  EXPECT_TRUE(std::ranges::none_of(editor.view.captionWrites,
                                   [](const auto& write) { return write.first > 32; }));
  // Model 3 is set up again, on page 1.
  EXPECT_EQ(editor.state.CurrentPage, 0);
  EXPECT_EQ(editor.state.CurrentPosition, 97);
  EXPECT_EQ(editor.view.shownPositions.size(), 12u);
}

TEST(ToggleLastLineOption, OffAgainRedrawsTheMainRowsAndSetsModel3Up) {
  Editor editor("MHOLBEAT");
  editor.state.LayoutCodes[0] = 11;
  editor.state.LayoutCodes[96] = 12;
  editor.TurnLastLineOn();
  EXPECT_EQ(editor.view.captions[1].text, "B");
  editor.view.lastLineBoxChecked = false;
  ToggleLastLineOption(editor.state, editor.view);
  EXPECT_EQ(editor.view.captions[1].text, "A");
  EXPECT_EQ(editor.view.shownPositions.size(), 72u);
  EXPECT_EQ(editor.state.CurrentPosition, 1);
}

TEST(MatrixEditing, ACellWithoutAButtonKeepsItsCode) {
  Editor editor;
  editor.state.LayoutCodes[15] = 75;
  SelectPcKey(editor.state, editor.view, Key("Tecla52"));
  for (int button : {1, 15, 17, 112})
    PlaceCurrentKey(editor.state, editor.view, button);
  for (int page : {2, 3, 1})
    SelectPage(editor.state, editor.view, page);
  EXPECT_EQ(editor.state.LayoutCodes[15], 75);
}

}  // namespace
}  // namespace lavrix
