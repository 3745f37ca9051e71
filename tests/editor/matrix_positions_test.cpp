#include "keys/matrix_positions.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

namespace lavrix {
namespace {

struct PositionCase {
  const char* name;
  int position;
  std::optional<int> button;
  friend void PrintTo(const PositionCase& c, std::ostream* out) { *out << c.name; }
};

class ButtonOfPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(ButtonOfPositionTest, FollowsTheMatrixRowsAndTheLastLine) {
  EXPECT_EQ(ButtonOfPosition(GetParam().position), GetParam().button);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ButtonOfPositionTest,
    ::testing::Values(PositionCase{"First", 1, 1}, PositionCase{"EndOfRowOne", 15, 15},
                      PositionCase{"ColumnSixteen", 16, std::nullopt},
                      PositionCase{"RowTwo", 17, 17}, PositionCase{"NinetyFive", 95, 95},
                      PositionCase{"NinetySix", 96, std::nullopt},
                      PositionCase{"LastLineStart", 97, 1}, PositionCase{"LastLineEnd", 111, 15},
                      PositionCase{"SeventhRow", 112, 112}, PositionCase{"SeventhRowEnd", 115, 115},
                      PositionCase{"PastTheButtons", 116, std::nullopt},
                      PositionCase{"LastPosition", 128, std::nullopt},
                      PositionCase{"Zero", 0, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PositionButtons, AreTheNinetyFourOfTheMatrix) {
  const auto& buttons = PositionButtons();
  EXPECT_EQ(buttons.size(), 94u);
  for (int n : buttons)
    EXPECT_TRUE((n < 96 && n % 16 != 0) || (n >= 112 && n <= 115)) << n;
  EXPECT_EQ(buttons.back(), 115);
}

TEST(PositionButtons, StandInTheGridAndTheSeventhRow) {
  auto place = [](int n) {
    const TwipsRect r = PositionButtonRect(n);
    return std::tuple(r.left, r.top, r.width, r.height);
  };
  EXPECT_EQ(place(1), std::tuple(120, 240, 495, 495));
  EXPECT_EQ(place(15), std::tuple(8520, 240, 495, 495));
  EXPECT_EQ(place(81), std::tuple(120, 3240, 495, 495));
  EXPECT_EQ(place(95), std::tuple(8520, 3240, 495, 495));
  EXPECT_EQ(place(112), std::tuple(4920, 3840, 495, 495));
  EXPECT_EQ(place(115), std::tuple(6720, 3840, 495, 495));
}

}  // namespace
}  // namespace lavrix
