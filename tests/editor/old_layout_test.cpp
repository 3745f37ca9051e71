#include "import/old_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace lavrix {
namespace {

using Cells = std::array<std::int16_t, kCellCount>;

constexpr std::int16_t kUntouched = -5;

Cells Untouched() {
  Cells codes;
  codes.fill(kUntouched);
  return codes;
}

// Byte i of a file holds 1 + i mod 250: never 0, and telling apart the bytes a check compares.
std::vector<std::uint8_t> NumberedFile(std::size_t length) {
  std::vector<std::uint8_t> bytes(length);
  for (std::size_t i = 0; i < length; ++i)
    bytes[i] = static_cast<std::uint8_t>(1 + i % 250);
  return bytes;
}

struct KindCase {
  std::int16_t kind;
  std::size_t length;
  // File byte -> cell, for the bytes worth a look.
  std::map<int, int> placed;
  // How many cells the kind names; every other cell keeps its code.
  int namedCells;
};

TEST(ImportOldLayout, EachKindPlacesItsBytesInItsCellsAndLeavesTheOthers) {
  const std::vector<KindCase> cases{
      {0, 512, {{0, 0}, {127, 127}, {128, 128}, {511, 511}}, 512},
      {1, 512, {{5, 5}, {300, 300}}, 512},
      {2, 512, {{5, 5}, {300, 300}}, 512},
      {5, 512, {{5, 5}, {300, 300}}, 512},
      {6, 512, {{5, 5}, {300, 300}}, 512},
      {13, 512, {{5, 5}, {300, 300}}, 512},
      {14, 512, {{5, 5}, {300, 300}}, 512},
      // Rows of 16; columns 11-13 at the end of the page, 14 and 15 in place.
      {3,
       128,
       {{0, 0},
        {10, 10},
        {11, 80},
        {12, 96},
        {13, 112},
        {14, 14},
        {15, 15},
        {16, 16},
        {27, 81},
        {59, 83},
        {63, 63},
        {64, 128},
        {75, 208},
        {127, 191}},
       128},
      // Columns 14 and 15 land on 11 and 12 of the row.
      {7, 80, {{0, 0}, {11, 80}, {12, 96}, {13, 112}, {14, 11}, {15, 12}, {75, 84}, {79, 76}}, 80},
      {9, 80, {{30, 27}, {31, 28}, {45, 114}}, 80},
      {10, 44, {{0, 0}, {10, 10}, {11, 16}, {43, 58}}, 44},
      {11, 88, {{11, 16}, {43, 58}, {44, 128}, {87, 186}}, 88},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.kind);
    const std::vector<std::uint8_t> file = NumberedFile(c.length);
    Cells codes = Untouched();
    ASSERT_TRUE(ImportOldLayout(c.kind, file, codes));
    for (const auto& [byte, cell] : c.placed) {
      EXPECT_EQ(codes[static_cast<std::size_t>(cell)], file[static_cast<std::size_t>(byte)])
          << "byte " << byte << " cell " << cell;
    }
    EXPECT_EQ(std::count(codes.begin(), codes.end(), kUntouched), kCellCount - c.namedCells);
  }
}

TEST(ImportOldLayout, TheFeskKindLeavesPositions12To14OfEachRowAsTheyWere) {
  Cells codes = Untouched();
  ASSERT_TRUE(ImportOldLayout(3, NumberedFile(128), codes));
  for (int page = 0; page < 2; ++page) {
    for (int row = 0; row < 4; ++row) {
      for (int column : {11, 12, 13})
        EXPECT_EQ(codes[static_cast<std::size_t>(128 * page + 16 * row + column)], kUntouched);
    }
  }
}

TEST(ImportOldLayout, TheCindoKindClearsEveryCellThenPlaces32KeysAPage) {
  const std::array<int, 32> order{64, 18, 19, 48, 32, 2,  4, 4, 67, 1, 82, 50, 34, 0, 4, 4,
                                  65, 16, 17, 49, 33, 80, 4, 4, 4,  4, 35, 66, 4,  3, 4, 4};
  const std::vector<std::uint8_t> file = NumberedFile(512);
  Cells codes = Untouched();
  ASSERT_TRUE(ImportOldLayout(4, file, codes));
  for (int page = 0; page < 4; ++page) {
    const int base = 128 * page;
    std::set<int> named(order.begin(), order.end());
    for (int cell = 0; cell < 128; ++cell) {
      SCOPED_TRACE(testing::Message() << "page " << page << " cell " << cell);
      const auto code = codes[static_cast<std::size_t>(base + cell)];
      if (cell == 4) {
        // The last of the fourteen bytes that name cell 4.
        EXPECT_EQ(code, file[static_cast<std::size_t>(base + 31)]);
      } else if (named.contains(cell)) {
        const auto k = std::find(order.begin(), order.end(), cell) - order.begin();
        EXPECT_EQ(code, file[static_cast<std::size_t>(base + k)]);
      } else {
        EXPECT_EQ(code, 0);
      }
    }
  }
}

TEST(ImportOldLayout, TheAnsuKindMovesEachPagesTwelveKeysFromRowsOf8ToRowsOf16) {
  const std::vector<std::uint8_t> file = NumberedFile(512);
  Cells codes = Untouched();
  ASSERT_TRUE(ImportOldLayout(12, file, codes));
  for (int page = 0; page < 4; ++page) {
    const int base = 128 * page;
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(codes[static_cast<std::size_t>(base + 16 * row + column)],
                  file[static_cast<std::size_t>(base + 8 * row + column)]);
      }
    }
    // The places the second and fourth rows left hold no key.
    for (int cell : {8, 9, 10, 24, 25, 26})
      EXPECT_EQ(codes[static_cast<std::size_t>(base + cell)], 0);
    for (int cell : {3, 11, 19, 27, 35, 51, 100, 127}) {
      EXPECT_EQ(codes[static_cast<std::size_t>(base + cell)],
                file[static_cast<std::size_t>(base + cell)]);
    }
  }
}

TEST(ImportOldLayout, ByteFFBecomesCode255) {
  Cells codes{};
  ASSERT_TRUE(ImportOldLayout(0, std::vector<std::uint8_t>(512, 0xFF), codes));
  EXPECT_EQ(std::count(codes.begin(), codes.end(), 255), kCellCount);
}

TEST(ImportOldLayout, AFileOfAnotherLengthOrAnUnknownKindChangesNothing) {
  for (const OldLayoutButton& button : OldLayoutButtons()) {
    for (std::size_t length : {std::size_t{0}, button.fileLength - 1, button.fileLength + 1,
                               button.fileLength == 512 ? std::size_t{128} : std::size_t{512}}) {
      Cells codes = Untouched();
      EXPECT_FALSE(ImportOldLayout(button.kind, NumberedFile(length), codes))
          << button.kind << " " << length;
      EXPECT_EQ(codes, Untouched());
    }
  }
  for (const std::int16_t kind : {8, 15, 20, -1}) {
    Cells codes = Untouched();
    EXPECT_FALSE(ImportOldLayout(kind, NumberedFile(512), codes)) << kind;
    EXPECT_EQ(codes, Untouched());
  }
}

}  // namespace
}  // namespace lavrix
