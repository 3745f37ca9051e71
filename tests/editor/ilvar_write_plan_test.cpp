#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <variant>

#include "write/write_plan.h"

namespace lavrix {
namespace {

using namespace write_step;
using ::testing::ElementsAre;

constexpr int kIlvar = 17;

CellCodes MarkedCells() {
  CellCodes codes{};
  for (std::size_t i = 0; i < codes.size(); ++i)
    codes[i] = static_cast<std::int16_t>(1000 + i);
  return codes;
}

// Each page's blocks as offsets within the page, "‖" after a pause followed by window events,
// "|" after a pause alone, "E" after a TerminaGravacao; the steps between pages are left out.
std::vector<std::string> PageSequences(const WritePlan& plan) {
  std::vector<std::ostringstream> pages(4);
  int page = -1;
  for (std::size_t i = 0; i < plan.size(); ++i) {
    if (const auto* b = std::get_if<Block512>(&plan[i])) {
      const int address = b->page << 8 | b->address;
      page = address / 128;
      pages[static_cast<std::size_t>(page)]
          << (pages[static_cast<std::size_t>(page)].tellp() ? " " : "") << address % 128;
      continue;
    }
    if (page < 0 || i + 1 == plan.size()) continue;
    std::ostringstream& out = pages[static_cast<std::size_t>(page)];
    const auto* pause = std::get_if<Pause>(&plan[i]);
    if (pause && pause->milliseconds == 75) {
      out << (std::holds_alternative<ProcessEvents>(plan[i + 1]) ? " ‖" : " |");
    } else if (std::holds_alternative<EndWrite>(plan[i]) && page == 0 &&
               std::get_if<Block512>(&plan[i + 1])) {
      out << " E";
    }
  }
  std::vector<std::string> result;
  for (const auto& out : pages)
    result.push_back(out.str());
  return result;
}

TEST(IlvarWritePlan, SendsEachPageInKeyMapOrderWithItsPausesAndTwoEarlyEnds) {
  EXPECT_THAT(
      PageSequences(PlanWrite(kIlvar, MarkedCells())),
      ElementsAre(
          "1 2 3 6 ‖ 7 16 17 18 ‖ 19 20 21 22 ‖ 23 33 34 35 ‖ 36 37 38 39 48 ‖ 49 50 51 ‖ 52 53 54 "
          "55 ‖ 65 66 67 ‖ 68 69 70 71 | 80 81 82 83 ‖ 84 85 86 87 E 96 ‖ 100 E 101 102 103 113 ‖ "
          "116 117 118 119",
          "1 2 3 6 ‖ 7 16 17 18 | 19 20 21 22 ‖ 23 33 34 35 ‖ 36 37 38 39 ‖ 48 49 50 51 | 52 53 54 "
          "55 65 ‖ 66 67 68 69 70 ‖ 71 80 81 82 ‖ 83 84 85 86 ‖ 87 96 100 101 102 ‖ 103 113 116 ‖ "
          "117 118 119",
          "1 2 3 6 ‖ 7 16 17 18 | 19 20 21 22 23 ‖ 33 34 35 36 ‖ 37 38 39 48 ‖ 49 50 51 52 ‖ 53 54 "
          "55 65 ‖ 66 67 68 69 ‖ 70 71 80 81 ‖ 82 83 84 85 ‖ 86 87 96 100 101 ‖ 102 103 113 116 ‖ "
          "117 118 119",
          "1 2 3 6 ‖ 7 16 17 18 ‖ 19 20 21 22 23 ‖ 33 34 35 36 ‖ 37 38 39 48 ‖ 49 50 51 52 ‖ 53 54 "
          "55 65 ‖ 66 67 68 69 ‖ 70 71 80 81 ‖ 82 83 84 85 ‖ 86 87 96 100 101 ‖ 102 103 113 116"));
}

TEST(IlvarWritePlan, CountsPausesProgressAndEnds) {
  const WritePlan plan = PlanWrite(kIlvar, MarkedCells());
  std::map<int, int> pauses;
  int blocks = 0;
  int ends = 0;
  // Blocks of the page so far when the progress moves, page by page.
  std::vector<std::vector<int>> progressAt(4);
  std::vector<double> progress;
  int page = 0;
  int pageBlocks = 0;
  for (const WriteStep& step : plan) {
    if (const auto* b = std::get_if<Block512>(&step)) {
      ++blocks;
      const int p = (b->page << 8 | b->address) / 128;
      if (p != page) pageBlocks = 0;
      page = p;
      ++pageBlocks;
      EXPECT_EQ(b->page, p / 2);
    } else if (const auto* pause = std::get_if<Pause>(&step)) {
      ++pauses[pause->milliseconds];
    } else if (const auto* value = std::get_if<SetProgress>(&step)) {
      progress.push_back(value->value);
      if (value->value != 0) progressAt[static_cast<std::size_t>(page)].push_back(pageBlocks);
    } else if (std::holds_alternative<EndWrite>(step)) {
      ++ends;
    }
  }
  EXPECT_EQ(blocks, 209);
  EXPECT_EQ(ends, 3);
  EXPECT_EQ(pauses, (std::map<int, int>{{75, 47}, {750, 6}}));
  EXPECT_THAT(progressAt,
              ElementsAre(ElementsAre(9, 20, 31, 42, 53), ElementsAre(11, 22, 33, 44, 53),
                          ElementsAre(11, 22, 33, 44, 53), ElementsAre(11, 22, 33, 44, 50)));
  ASSERT_EQ(progress.size(), 21u);
  for (std::size_t n = 0; n < 20; ++n)
    EXPECT_DOUBLE_EQ(progress[n], 0.6 * static_cast<double>(n + 1));
  EXPECT_EQ(progress[19], 12);
  EXPECT_THAT(
      std::vector<WriteStep>(plan.end() - 3, plan.end()),
      ElementsAre(WriteStep(EndWrite{}), WriteStep(ShowResult{}), WriteStep(SetProgress{0})));
}

// The EEPROM image the blocks build, as Varno stores them: later blocks overwrite earlier ones.
TEST(IlvarWritePlan, EachKeyLandsAtItsOffsetWithZerosAfterSingleCodes) {
  const CellCodes layout = MarkedCells();
  std::array<int, 512> image;
  image.fill(-7);
  const WritePlan plan = PlanWrite(kIlvar, layout);
  for (const WriteStep& step : plan) {
    if (const auto* b = std::get_if<Block512>(&step)) {
      const int offset = (b->page & 0xFF) << 8 | b->address;
      for (int i = 0; i < 4; ++i)
        image[static_cast<std::size_t>(offset + i)] =
            b->codes[static_cast<std::size_t>(i)].Resolve(layout);
    }
  }
  const std::map<int, int> keyMap{
      {1, 51},   {2, 2},    {3, 67},   {6, 70},   {7, 38},   {16, 18},  {17, 80},  {18, 0},
      {19, 16},  {20, 6},   {21, 5},   {22, 54},  {23, 22},  {33, 36},  {34, 4},   {35, 32},
      {36, 85},  {37, 86},  {38, 43},  {39, 84},  {48, 66},  {49, 19},  {50, 53},  {51, 48},
      {52, 40},  {53, 41},  {54, 42},  {55, 50},  {65, 35},  {66, 3},   {67, 64},  {68, 91},
      {69, 111}, {70, 112}, {71, 113}, {80, 83},  {81, 20},  {82, 37},  {83, 69},  {84, 88},
      {85, 89},  {86, 90},  {87, 114}, {96, 34},  {97, 82},  {98, 21},  {99, 68},  {100, 72},
      {101, 73}, {102, 74}, {103, 75}, {113, 52}, {116, 56}, {117, 57}, {118, 58}, {119, 59}};
  for (int p = 0; p < 4; ++p) {
    const int b = 128 * p;
    for (int offset = 0; offset < 128; ++offset) {
      SCOPED_TRACE(testing::Message() << "page " << p << " offset " << offset);
      const int byte = image[static_cast<std::size_t>(b + offset)];
      if (const auto key = keyMap.find(offset); key != keyMap.end()) {
        EXPECT_EQ(byte, 1000 + b + key->second);
      } else if (keyMap.contains(offset - 1) || keyMap.contains(offset - 2) ||
                 keyMap.contains(offset - 3)) {
        // Page 3's last row goes as one block, so nothing reaches 120-122 there.
        EXPECT_EQ(byte, p == 3 && offset >= 120 ? -7 : 0);
      } else {
        EXPECT_EQ(byte, -7);
      }
    }
  }
  // No block at address 0: the USB image is not cleared at the start of this write.
  EXPECT_EQ(image[0], -7);
}

}  // namespace
}  // namespace lavrix
