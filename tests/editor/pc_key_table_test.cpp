#include "keys/pc_key_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>

namespace lavrix {
namespace {

TEST(PcKeyTable, HasTecla1To102WithoutTecla17And64) {
  std::set<std::string> names;
  for (const PcKey& key : PcKeyTable())
    names.emplace(key.name);
  std::set<std::string> expected;
  for (int n = 1; n <= 102; ++n) {
    if (n != 17 && n != 64) expected.insert("Tecla" + std::to_string(n));
  }
  EXPECT_EQ(names, expected);
}

TEST(PcKeyTable, ProducesEveryCodeFrom0To100But75Once) {
  std::map<int, int> uses;
  for (const PcKey& key : PcKeyTable())
    ++uses[key.code];
  for (int code = 0; code <= 100; ++code)
    EXPECT_EQ(uses[code], code == 75 ? 0 : 1) << code;
  EXPECT_EQ(uses.size(), 101u);
}

TEST(PcKeyTable, ButtonsLieInsideTheFrameWithoutOverlapping) {
  constexpr int kFrameWidth = 11055;
  constexpr int kFrameHeight = 3975;
  const auto& keys = PcKeyTable();
  for (const PcKey& key : keys) {
    EXPECT_LE(key.left + key.width, kFrameWidth) << key.name;
    EXPECT_LE(PcKeyTop(key) + PcKeyHeight(key), kFrameHeight) << key.name;
  }
  for (std::size_t a = 0; a < keys.size(); ++a) {
    for (std::size_t b = a + 1; b < keys.size(); ++b) {
      const PcKey& first = keys[a];
      const PcKey& second = keys[b];
      const bool apart = first.left + first.width <= second.left ||
                         second.left + second.width <= first.left ||
                         PcKeyTop(first) + PcKeyHeight(first) <= PcKeyTop(second) ||
                         PcKeyTop(second) + PcKeyHeight(second) <= PcKeyTop(first);
      EXPECT_TRUE(apart) << first.name << " overlaps " << second.name;
    }
  }
}

TEST(PcKeyTable, EnterCoversRowsThreeAndFour) {
  const PcKey& enter = *std::ranges::find(PcKeyTable(), "Tecla48", &PcKey::name);
  EXPECT_EQ(PcKeyTop(enter), 1440);
  EXPECT_EQ(PcKeyHeight(enter), 1095);
}

struct SelectionCase {
  const char* name;
  const char* caption;
  const char* selection;
  const char* font;
  friend void PrintTo(const SelectionCase& c, std::ostream* out) { *out << c.name; }
};

class SelectionCaptionTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectionCaptionTest, IsTheCaptionOrItsShortText) {
  const PcKey& key = *std::ranges::find(PcKeyTable(), GetParam().name, &PcKey::name);
  EXPECT_EQ(key.caption, GetParam().caption);
  EXPECT_EQ(SelectionCaption(key), GetParam().selection);
  EXPECT_EQ(FontName(key), GetParam().font);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SelectionCaptionTest,
    ::testing::Values(SelectionCase{"Tecla14", "Nula", " ", "MS Sans Serif"},
                      SelectionCase{"Tecla20", "  @  2", "  @  2", "MS Sans Serif"},
                      SelectionCase{"Tecla21", "   #   3", "   #   3", "MS Sans Serif"},
                      SelectionCase{"Tecla25", "   &&     7  ", "   &&     7  ", "MS Sans Serif"},
                      SelectionCase{"Tecla29", "   _   - ", "   _   - ", "MS Sans Serif"},
                      SelectionCase{"Tecla62", "   \"    '", "   \"    '", "MS Sans Serif"},
                      SelectionCase{"Tecla67", "   |    \\", "   |    \\", "MS Sans Serif"},
                      SelectionCase{"Tecla80", "Espaço", "SPC", "MS Sans Serif"},
                      SelectionCase{"Tecla102", "Num Lock", "NL", "MS Sans Serif"},
                      SelectionCase{"Tecla83", "\u00F1", "\u00F1", "Wingdings"},
                      SelectionCase{"Tecla84", "\u00F2", "\u00F2", "Wingdings"},
                      SelectionCase{"Tecla85", "\u00EF", "\u00EF", "Wingdings"},
                      SelectionCase{"Tecla86", "\u00F0", "\u00F0", "Wingdings"},
                      SelectionCase{"Tecla97", "1", "1", "MS Sans Serif"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lavrix
