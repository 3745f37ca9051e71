#include "core/select_model.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "core/model_catalogue.h"
#include "fake_editor_view.h"
#include "keys/matrix_editing.h"
#include "keys/matrix_positions.h"

namespace lavrix {
namespace {

using testing::FakeEditorView;

std::set<int> Range(int first, int last) {
  std::set<int> numbers;
  for (int n = first; n <= last; ++n)
    numbers.insert(n);
  return numbers;
}

std::set<int> Ranges(std::initializer_list<std::pair<int, int>> ranges) {
  std::set<int> numbers;
  for (auto [first, last] : ranges)
    numbers.merge(Range(first, last));
  return numbers;
}

struct ModelCase {
  const char* item;
  int number;
  const char* label;
  const char* picture;
  int pages;
  std::set<int> positions;
  bool mayWrite;
  friend void PrintTo(const ModelCase& c, std::ostream* out) { *out << c.item; }
};

class SelectModelTest : public ::testing::TestWithParam<ModelCase> {};

TEST_P(SelectModelTest, ShapesTheWindowAsTheCatalogueSays) {
  const ModelCase& model = GetParam();
  EditorState state;
  FakeEditorView view;
  view.shownPositions = std::set<int>(PositionButtons().begin(), PositionButtons().end());
  state.CurrentPage = 2;
  SelectModel(state, view, *FindModelItem(model.item));

  EXPECT_EQ(state.CurrentModel, model.number);
  EXPECT_EQ(state.CurrentPage, 0);
  EXPECT_EQ(state.CurrentPosition, 1);
  EXPECT_EQ(view.label, model.label);
  EXPECT_EQ(view.picture, model.picture);
  EXPECT_EQ(view.shownPositions, model.positions);
  EXPECT_EQ(view.shownPages, Range(1, model.pages));
  EXPECT_EQ(view.writeEnabled, model.mayWrite);
  EXPECT_EQ(view.checkedModelItems, (std::set<std::string, std::less<>>{model.item}));
  EXPECT_EQ(view.checkedPageItems, std::set<int>{1});
  EXPECT_EQ(view.selectedPage, 1);
  EXPECT_EQ(view.selectedPosition, 1);
  EXPECT_EQ(view.lastLineBoxShown, model.number == 3 && std::string(model.item) == "MHOLBEAT");
  EXPECT_TRUE(view.shownPositions.contains(1));
  EXPECT_FALSE(view.shownPositions.contains(95));
}

const std::set<int> kDorvel = Ranges({{1, 13}, {17, 29}, {33, 45}, {49, 61}, {65, 77}});
const std::set<int> kFesk = Ranges({{1, 11}, {17, 27}, {33, 43}, {49, 59}});
const std::set<int> kBralo = Ranges({{1, 5}, {17, 21}, {33, 37}, {49, 53}});

INSTANTIATE_TEST_SUITE_P(
    Catalogue, SelectModelTest,
    ::testing::Values(
        ModelCase{"MDORVELdisAT", 0, "DORVEL Dis AT/USB (4 códigos)", "dorvelm.gif", 4, kDorvel,
                  true},
        ModelCase{"MFESKDisAT", 1, "FESK Dis AT/USB (4 códigos)", "feskdis.gif", 4, kFesk, true},
        ModelCase{"MCINDODisAT", 2, "BRALO Dis AT (4 códigos)", "bralodis.gif", 4, kBralo, true},
        ModelCase{"MHOLBEAT", 3, "    HOLBE AT    (4 códigos)", "holbe.gif", 4,
                  Ranges({{1, 12}, {17, 28}, {33, 44}, {49, 60}, {65, 76}, {81, 92}}), true},
        ModelCase{"MFESKAT", 4, " FESK AT(2 códigos)", "feskSemLEC.gif", 2, kFesk, true},
        ModelCase{"MBRALOAT", 5, "    CINDO AT    (4 códigos)", "braloSemdis.gif", 4,
                  Ranges({{1, 4}, {17, 20}, {33, 36}, {49, 51}, {65, 68}, {81, 81}, {83, 83}}),
                  true},
        ModelCase{"MQUENT90", 6, "Quent 90 Teclas (4 códigos)", "quent2.gif", 4,
                  Ranges({{1, 15}, {17, 31}, {33, 47}, {49, 63}, {65, 79}, {81, 94}}), true},
        ModelCase{"MQUENT84", 7, "Quent 84 Teclas (4 códigos)", "quent2.gif", 4,
                  Ranges({{1, 14}, {17, 30}, {33, 46}, {49, 62}, {65, 78}, {81, 94}}), true},
        ModelCase{"MQUENT44", 8, "Quent 44 Teclas (4 códigos)", "feskdis.gif", 4, kFesk, true},
        ModelCase{"MPIROLOLD", 9, "DORVEL Antigo (1 código)", "dorvelm.gif", 1, kDorvel, true},
        ModelCase{"MFESKDisOLD", 10, "FESK Antigo (2 códigos)", "feskSemLEC.gif", 2, kFesk, true},
        ModelCase{"MDORVELDisSerial", 11, "  DORVEL Serial  (4 códigos)", "dorvelm.gif", 4, kDorvel,
                  true},
        ModelCase{"MFESKDisSerial", 12, "  FESK Serial  (4 códigos)", "feskdis.gif", 4, kFesk,
                  true},
        ModelCase{"MGORIMAT", 13, "GORIM AT/USB(4 códigos)", "gorim.gif", 4,
                  Ranges({{1, 11}, {17, 27}, {33, 43}, {49, 59}, {65, 75}, {81, 91}}), true},
        ModelCase{"MANSUAT", 14, "ANSU AT (4 códigos)", "ansu.gif", 4,
                  Ranges({{1, 3}, {17, 19}, {33, 35}, {49, 51}}), true},
        ModelCase{"MILVARAT", 17, "ILVAR AT/USB (4 códigos)", "Ilvar.gif", 4,
                  Ranges({{1, 1},
                          {3, 7},
                          {17, 17},
                          {19, 23},
                          {33, 33},
                          {35, 39},
                          {41, 44},
                          {49, 49},
                          {51, 55},
                          {57, 60},
                          {65, 65},
                          {67, 71},
                          {73, 76},
                          {81, 81},
                          {83, 87},
                          {89, 92},
                          {112, 115}}),
                  true},
        ModelCase{"MLumar", 2, "Lumar (4 códigos)", "bralodis.gif", 4, kBralo, false},
        ModelCase{"MTessin", 1, "Tessin (4 códigos)", "feskdis.gif", 4, kFesk, false}),
    [](const auto& info) { return std::string(info.param.item); });

TEST(ModelCatalogue, MainRowsOfModelNumbersAreNeverGenerateOnlyVariants) {
  EXPECT_EQ(MainRowOfModel(1)->menuItem, "MFESKDisAT");
  EXPECT_EQ(MainRowOfModel(2)->menuItem, "MCINDODisAT");
  EXPECT_EQ(MainRowOfModel(17)->menuItem, "MILVARAT");
  for (std::int16_t missing : {15, 16, 18, -1})
    EXPECT_EQ(MainRowOfModel(missing), nullptr);
}

TEST(ModelCatalogue, OnlyModels7And11And12AreHiddenInTheMenu) {
  std::set<int> hidden;
  for (const ModelRow& row : ModelCatalogue()) {
    if (row.hiddenInMenu) hidden.insert(row.number);
  }
  EXPECT_EQ(hidden, (std::set<int>{7, 11, 12}));
}

TEST(ModelCatalogue, EveryRowIsInExactlyOneMenu) {
  std::multiset<std::string_view> listed;
  for (auto item : ModelMenuOrder()) {
    if (!item.empty()) listed.insert(item);
  }
  for (auto item : GenerateOnlyMenuOrder())
    listed.insert(item);
  std::multiset<std::string_view> rows;
  for (const ModelRow& row : ModelCatalogue())
    rows.insert(row.menuItem);
  EXPECT_EQ(listed, rows);
}

TEST(ChooseModelMenuItem, TheCheckMarkMovesBetweenAnyTwoItems) {
  for (const ModelRow& first : ModelCatalogue()) {
    for (const ModelRow& second : ModelCatalogue()) {
      SCOPED_TRACE(std::string(first.menuItem) + " then " + std::string(second.menuItem));
      EditorState state;
      FakeEditorView view;
      ChooseModelMenuItem(state, view, first);
      ChooseModelMenuItem(state, view, second);
      EXPECT_EQ(view.checkedModelItems,
                (std::set<std::string, std::less<>>{std::string(second.menuItem)}));
    }
  }
}

TEST(ChooseModelMenuItem, GenerateOnlyThenAnyOtherItemEnablesTheWriteButtonAgain) {
  for (std::string_view next : {"MHOLBEAT", "MDORVELdisAT", "MTessin"}) {
    EditorState state;
    FakeEditorView view;
    ChooseModelMenuItem(state, view, *FindModelItem("MLumar"));
    EXPECT_EQ(state.CurrentModel, 2);
    EXPECT_FALSE(view.writeEnabled);
    ChooseModelMenuItem(state, view, *FindModelItem(next));
    EXPECT_EQ(view.writeEnabled, next != "MTessin") << next;
  }
}

TEST(ChooseModelMenuItem, HolbeClearsTheLastLineOptionAndShowsTheSixMainRows) {
  EditorState state;
  FakeEditorView view;
  ChooseModelMenuItem(state, view, *FindModelItem("MHOLBEAT"));
  view.lastLineBoxChecked = true;
  ToggleLastLineOption(state, view);
  ASSERT_EQ(view.shownPositions, Range(1, 12));
  ASSERT_EQ(state.CurrentPosition, 97);

  ChooseModelMenuItem(state, view, *FindModelItem("MHOLBEAT"));
  EXPECT_FALSE(view.lastLineBoxChecked);
  EXPECT_EQ(view.shownPositions.size(), 72u);
  EXPECT_EQ(state.CurrentPosition, 1);
}

TEST(ChooseModelMenuItem, TheLastLineBoxOfAnotherModelStaysOff) {
  EditorState state;
  FakeEditorView view;
  view.lastLineBoxChecked = true;
  ChooseModelMenuItem(state, view, *FindModelItem("MQUENT90"));
  EXPECT_TRUE(view.shownPositions.contains(15));
  EXPECT_TRUE(view.shownPositions.contains(94));
  EXPECT_EQ(state.CurrentPosition, 1);
  EXPECT_FALSE(view.lastLineBoxShown);
}

TEST(SelectModel, KeepsEveryCodeAlreadyPlaced) {
  EditorState state;
  FakeEditorView view;
  for (std::size_t i = 0; i < state.LayoutCodes.size(); ++i) {
    state.LayoutCodes[i] = static_cast<std::int16_t>(i % 101);
  }
  const auto before = state.LayoutCodes;
  SelectModel(state, view, *FindModelItem("MANSUAT"));
  SelectModel(state, view, *FindModelItem("MPIROLOLD"));
  EXPECT_EQ(state.LayoutCodes, before);
}

TEST(SelectModel, FromAnotherPageRedrawsPageOne) {
  EditorState state;
  FakeEditorView view;
  state.LayoutCodes[0] = 11;    // page 1, position 1: "A"
  state.LayoutCodes[128] = 12;  // page 2, position 1: "B"
  view.selectedPage = 2;
  state.CurrentPage = 1;
  SelectModel(state, view, *FindModelItem("MDORVELdisAT"));
  EXPECT_EQ(view.captions[1].text, "A");
  EXPECT_EQ(view.checkedPageItems, std::set<int>{1});
}

TEST(SelectModel, OnPageOneAlreadyLeavesTheCaptionsAlone) {
  EditorState state;
  FakeEditorView view;
  view.selectedPage = 1;
  SelectModel(state, view, *FindModelItem("MGORIMAT"));
  EXPECT_TRUE(view.captionWrites.empty());
}

}  // namespace
}  // namespace lavrix
