#include "keys/cell_caption.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "fake_editor_view.h"

namespace lavrix {
namespace {

using testing::FakeEditorView;

struct CaptionCase {
  const char* name;
  int code;
  int position;
  const char* fontBefore;
  std::optional<FakeEditorView::Caption> shown;
  const char* fontAfter;
  friend void PrintTo(const CaptionCase& c, std::ostream* out) { *out << c.name; }
};

class ShowCellCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(ShowCellCaptionTest, ShowsTheCodeAndHandsItsFontNameOn) {
  const CaptionCase& c = GetParam();
  EditorState state;
  FakeEditorView view;
  state.CurrentFontName = c.fontBefore;
  state.CellCode = static_cast<std::int16_t>(c.code);
  state.CellPosition = static_cast<std::int16_t>(c.position);
  ShowCellCaption(state, view);
  if (c.shown) {
    ASSERT_EQ(view.captions.size(), 1u);
    EXPECT_EQ(view.captions[c.position], *c.shown);
  } else {
    EXPECT_TRUE(view.captions.empty());
  }
  EXPECT_EQ(state.CurrentFontName, c.fontAfter);
}

using C = FakeEditorView::Caption;
constexpr const char* kSans = "MS Sans Serif";
constexpr const char* kWing = "Wingdings";

INSTANTIATE_TEST_SUITE_P(
    Codes, ShowCellCaptionTest,
    ::testing::Values(CaptionCase{"NoKey", 0, 1, kWing, C{" ", kSans}, kSans},
                      CaptionCase{"ArrowLeft", 84, 5, kSans, C{"\u00EF", kWing}, kWing},
                      CaptionCase{"ArrowUp", 82, 115, kSans, C{"\u00F1", kWing}, kWing},
                      CaptionCase{"UnknownCodeKeepsWingdings", 118, 7, kWing, C{"", kWing}, kWing},
                      CaptionCase{"NegativeCodeKeepsSans", -1, 7, kSans, C{"", kSans}, kSans},
                      CaptionCase{"Code101", 101, 7, kWing, C{"", kWing}, kWing},
                      CaptionCase{"PositionSixteenHasNoButton", 71, 16, kWing, std::nullopt, kSans},
                      CaptionCase{"Position100HasNoButton", 83, 100, kSans, std::nullopt, kWing},
                      CaptionCase{"Position116HasNoButton", 11, 116, kWing, std::nullopt, kSans},
                      CaptionCase{"OnlyItsOwnButton", 42, 42, kWing, C{"   :    ;", kSans}, kSans},
                      CaptionCase{"NumLock", 74, 30, kSans, C{"NUM", kSans}, kSans},
                      CaptionCase{"Pa", 75, 2, kSans, C{"Pa", kSans}, kSans},
                      CaptionCase{"AcuteAccent", 7, 3, kSans, C{"   \u00B4   7", kSans}, kSans},
                      CaptionCase{"Diaeresis", 43, 3, kSans, C{"   \u00A8    '", kSans}, kSans},
                      CaptionCase{"Backslash", 39, 3, kSans, C{"   \\    |", kSans}, kSans},
                      CaptionCase{"KeypadNine", 100, 3, kSans, C{"9", kSans}, kSans}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellCaptionTable, NamesEveryCodeFrom0To100) {
  for (int code = 1; code <= 100; ++code) {
    EXPECT_FALSE(CellCaptionTable[code].empty()) << code;
    EXPECT_TRUE(CaptionOfCode(code).has_value()) << code;
  }
  for (int code = 11; code <= 36; ++code) {
    EXPECT_EQ(CellCaptionTable[code], std::string(1, char('A' + code - 11)));
  }
  for (int code = 48; code <= 59; ++code) {
    EXPECT_EQ(CellCaptionTable[code], "F" + std::to_string(code - 47));
  }
  for (int code = 91; code <= 100; ++code) {
    EXPECT_EQ(CellCaptionTable[code], std::to_string(code - 91));
  }
}

}  // namespace
}  // namespace lavrix
