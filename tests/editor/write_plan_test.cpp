#include "write/write_plan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <variant>

namespace lavrix {
namespace {

using namespace write_step;
using ::testing::DoubleEq;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// A zero code in the tables below; any other entry is a cell index.
constexpr int Z = -1;
constexpr std::int16_t kCellMark = 1000;

// Cell i holds 1000 + i, so that a resolved code names the cell it came from.
CellCodes MarkedCells() {
  CellCodes codes{};
  for (std::size_t i = 0; i < codes.size(); ++i)
    codes[i] = static_cast<std::int16_t>(kCellMark + i);
  return codes;
}

struct Sent {
  bool wide;  // GravaBloco512
  int page;
  int address;
  std::array<int, 4> cells;
  bool operator==(const Sent&) const = default;
};

void PrintTo(const Sent& s, std::ostream* out) {
  *out << (s.wide ? "512(" : "256(") << s.page << ", " << s.address << ", " << s.cells[0] << " "
       << s.cells[1] << " " << s.cells[2] << " " << s.cells[3] << ")";
}

std::array<int, 4> CellsOf(const BlockCodes& codes, const CellCodes& layout) {
  std::array<int, 4> cells{};
  for (std::size_t i = 0; i < 4; ++i) {
    const int value = codes[i].Resolve(layout);
    cells[i] = value == 0 ? Z : value - kCellMark;
  }
  return cells;
}

std::vector<Sent> Blocks(const WritePlan& plan, const CellCodes& layout = MarkedCells()) {
  std::vector<Sent> blocks;
  for (const WriteStep& step : plan) {
    if (const auto* b = std::get_if<Block512>(&step)) {
      blocks.push_back({true, b->page, b->address, CellsOf(b->codes, layout)});
    } else if (const auto* b = std::get_if<Block256>(&step)) {
      blocks.push_back({false, 0, b->address, CellsOf(b->codes, layout)});
    }
  }
  return blocks;
}

template <typename Step>
int Count(const WritePlan& plan) {
  return static_cast<int>(std::count_if(plan.begin(), plan.end(), [](const WriteStep& s) {
    return std::holds_alternative<Step>(s);
  }));
}

bool IsBlock(const WriteStep& step) {
  return std::holds_alternative<Block512>(step) || std::holds_alternative<Block256>(step);
}

// The progress value set right before each block, for the layouts that set one per block.
std::vector<double> ProgressBeforeBlocks(const WritePlan& plan) {
  std::vector<double> values;
  double last = -1;
  for (const WriteStep& step : plan) {
    if (const auto* p = std::get_if<SetProgress>(&step)) last = p->value;
    if (IsBlock(step)) values.push_back(last);
  }
  return values;
}

// Each pause with the number of blocks sent before it.
std::vector<std::pair<int, int>> PausesAfterBlocks(const WritePlan& plan) {
  std::vector<std::pair<int, int>> pauses;
  int blocks = 0;
  for (const WriteStep& step : plan) {
    if (IsBlock(step)) ++blocks;
    if (const auto* p = std::get_if<Pause>(&step)) pauses.emplace_back(blocks, p->milliseconds);
  }
  return pauses;
}

std::vector<WriteStep> LastSteps(const WritePlan& plan, std::size_t count) {
  return {plan.end() - static_cast<std::ptrdiff_t>(count), plan.end()};
}

struct LoopModel {
  std::int16_t model;
  int keysPerPage;
  double divisor;
};

TEST(WritePlanLayoutA, SendsEachPageFromItsStartWithProgressPausesAndEvents) {
  for (const LoopModel m : {LoopModel{0, 28, 4}, LoopModel{1, 24, 3.4286}, LoopModel{3, 28, 4},
                            LoopModel{6, 24, 3.4286}, LoopModel{7, 28, 4}, LoopModel{8, 16, 2.2858},
                            LoopModel{13, 24, 4}}) {
    SCOPED_TRACE(m.model);
    const WritePlan plan = PlanWrite(m.model, MarkedCells());
    std::vector<Sent> expected;
    std::vector<double> progress;
    for (int p = 0; p < 4; ++p) {
      for (int k = 0; k < m.keysPerPage; ++k) {
        const int a = 128 * p + 4 * k;
        expected.push_back({true, p / 2, 128 * (p % 2) + 4 * k, {a, a + 1, a + 2, a + 3}});
        progress.push_back(12 * (std::floor(k / m.divisor) + 7 * p) / 27);
      }
    }
    EXPECT_EQ(Blocks(plan), expected);
    EXPECT_THAT(ProgressBeforeBlocks(plan), ElementsAreArray(progress));
    const int K = m.keysPerPage;
    EXPECT_THAT(PausesAfterBlocks(plan),
                ElementsAre(std::pair(K, 900), std::pair(2 * K, 900), std::pair(2 * K, 900),
                            std::pair(3 * K, 900), std::pair(4 * K, 900), std::pair(4 * K, 900)));
    // Once per pass of each loop: 2 + 4 + 4K.
    EXPECT_EQ(Count<ProcessEvents>(plan), 6 + 4 * K);
    EXPECT_THAT(LastSteps(plan, 3), ElementsAre(WriteStep(EndWrite{}), WriteStep(SetProgress{0}),
                                                WriteStep(ShowResult{})));
  }
}

TEST(WritePlanLayoutA, Model0SendsPage0Addresses0To236ThenPage1) {
  const std::vector<Sent> blocks = Blocks(PlanWrite(0, MarkedCells()));
  ASSERT_EQ(blocks.size(), 112u);
  EXPECT_EQ(blocks[0], (Sent{true, 0, 0, {0, 1, 2, 3}}));
  EXPECT_EQ(blocks[27], (Sent{true, 0, 108, {108, 109, 110, 111}}));
  EXPECT_EQ(blocks[28], (Sent{true, 0, 128, {128, 129, 130, 131}}));
  EXPECT_EQ(blocks[55], (Sent{true, 0, 236, {236, 237, 238, 239}}));
  EXPECT_EQ(blocks[56], (Sent{true, 1, 0, {256, 257, 258, 259}}));
  EXPECT_EQ(blocks[111], (Sent{true, 1, 236, {492, 493, 494, 495}}));
}

TEST(WritePlanLayoutA, Model5SendsItsKeysInKeyOrderAndZerosAfterThem) {
  CellCodes layout = MarkedCells();
  const WritePlan plan = PlanWrite(5, layout);
  // The codes were taken when the plan was made: later changes do not travel.
  layout.fill(7);
  const std::vector<Sent> blocks = Blocks(plan, layout);
  ASSERT_EQ(blocks.size(), 112u);
  const std::array<int, 32> order{64, 18, 19, 48, 32, 2,  4, 4, 67, 1, 82, 50, 34, 0, 4, 4,
                                  65, 16, 17, 49, 33, 80, 4, 4, 4,  4, 35, 66, 4,  3, 4, 4};
  for (int p = 0; p < 4; ++p) {
    SCOPED_TRACE(p);
    for (int k = 0; k < 28; ++k) {
      const Sent& block = blocks[static_cast<std::size_t>(28 * p + k)];
      EXPECT_EQ(block.page, p / 2);
      EXPECT_EQ(block.address, 128 * (p % 2) + 4 * k);
      for (int i = 0; i < 4; ++i) {
        const int j = 4 * k + i;
        EXPECT_EQ(block.cells[static_cast<std::size_t>(i)],
                  j < 32 ? 128 * p + order[static_cast<std::size_t>(j)] : Z);
      }
    }
  }
  // Events only between the passes of the page loops.
  EXPECT_EQ(Count<ProcessEvents>(plan), 6);
  EXPECT_EQ(Count<Pause>(plan), 6);
}

TEST(WritePlanLayoutB, Model2SendsFiveKeysARowInRowsFromTheBottom) {
  const WritePlan plan = PlanWrite(2, MarkedCells());
  std::vector<Sent> expected;
  std::vector<double> progress;
  for (int p = 0; p < 4; ++p) {
    const int b = 128 * p;
    const int r = p % 2;
    const std::vector<std::pair<int, std::array<int, 4>>> rows{
        {48, {b + 4, b + 3, b + 2, b + 1}},     {52, {b, Z, Z, Z}},
        {32, {b + 20, b + 19, b + 18, b + 17}}, {36, {b + 16, Z, Z, Z}},
        {16, {b + 36, b + 35, b + 34, b + 33}}, {20, {b + 32, Z, Z, Z}},
        {0, {b + 52, b + 51, b + 50, b + 49}},  {4, {b + 48, Z, Z, Z}}};
    const std::array<int, 8> ks{0, 1, 4, 5, 8, 9, 12, 13};
    for (std::size_t n = 0; n < rows.size(); ++n) {
      expected.push_back({true, p / 2, 128 * r + rows[n].first, rows[n].second});
      progress.push_back(12 * (std::floor(ks[n] / 2.2858) + 7 * p) / 27);
    }
  }
  EXPECT_EQ(Blocks(plan), expected);
  EXPECT_THAT(ProgressBeforeBlocks(plan), ElementsAreArray(progress));
  EXPECT_EQ(Count<Pause>(plan), 0);
  EXPECT_EQ(Count<ProcessEvents>(plan), 2 + 4 + 64);
}

TEST(WritePlanLayoutC, Models4And10SendTwoPagesOf64KeysModel10WithoutTheLastBlock) {
  for (const std::int16_t model : {4, 10}) {
    SCOPED_TRACE(model);
    const WritePlan plan = PlanWrite(model, MarkedCells());
    std::vector<Sent> expected;
    std::vector<double> progress;
    for (int r = 0; r < 2; ++r) {
      for (int k = 0; k < 16; ++k) {
        const int a = 128 * r + 4 * k;
        expected.push_back({false, 0, 64 * r + 4 * k, {a, a + 1, a + 2, a + 3}});
        progress.push_back(12 * (std::floor(k / 1.1429) + 14 * r) / 27);
      }
    }
    if (model == 10) {
      expected.pop_back();
      progress.pop_back();
    }
    EXPECT_EQ(Blocks(plan), expected);
    EXPECT_THAT(ProgressBeforeBlocks(plan), ElementsAreArray(progress));
    EXPECT_EQ(Count<Pause>(plan), 0);
    EXPECT_THAT(LastSteps(plan, 3), ElementsAre(WriteStep(EndWrite{}), WriteStep(SetProgress{0}),
                                                WriteStep(ShowResult{})));
  }
  EXPECT_EQ(Blocks(PlanWrite(4, MarkedCells())).back().address, 124);
  EXPECT_EQ(Blocks(PlanWrite(10, MarkedCells())).back().address, 120);
  EXPECT_DOUBLE_EQ(ProgressBeforeBlocks(PlanWrite(4, MarkedCells())).back(), 12);
}

TEST(WritePlanLayoutD, Model9SendsThirteenPositionsOfEachRowOf16) {
  const WritePlan plan = PlanWrite(9, MarkedCells());
  std::vector<Sent> expected;
  for (int q = 0; q < 5; ++q) {
    const int a = 16 * q;
    expected.push_back({false, 0, a, {a, a + 1, a + 2, a + 3}});
    expected.push_back({false, 0, a + 4, {a + 4, a + 5, a + 6, a + 7}});
    expected.push_back({false, 0, a + 8, {a + 8, a + 9, a + 10, Z}});
    expected.push_back({false, 0, a + 12, {Z, Z, a + 11, a + 12}});
  }
  EXPECT_EQ(Blocks(plan), expected);
  EXPECT_THAT(ProgressBeforeBlocks(plan), ElementsAreArray(std::vector<double>{0,
                                                                               12.0 * 1 / 27,
                                                                               12.0 * 2 / 27,
                                                                               12.0 * 4 / 27,
                                                                               12.0 * 5 / 27,
                                                                               12.0 * 7 / 27,
                                                                               12.0 * 8 / 27,
                                                                               12.0 * 9 / 27,
                                                                               12.0 * 11 / 27,
                                                                               12.0 * 12 / 27,
                                                                               12.0 * 14 / 27,
                                                                               12.0 * 15 / 27,
                                                                               12.0 * 16 / 27,
                                                                               12.0 * 18 / 27,
                                                                               12.0 * 19 / 27,
                                                                               12.0 * 21 / 27,
                                                                               12.0 * 22 / 27,
                                                                               12.0 * 23 / 27,
                                                                               12.0 * 25 / 27,
                                                                               12.0 * 26 / 27}));
  EXPECT_EQ(Count<ProcessEvents>(plan), 20);
  EXPECT_EQ(Count<Pause>(plan), 0);
}

TEST(WritePlanLayoutE, Model14SendsFourPositionsOfEachRowToRowsOf8) {
  const WritePlan plan = PlanWrite(14, MarkedCells());
  std::vector<Sent> expected;
  std::vector<double> progress;
  for (int p = 0; p < 4; ++p) {
    for (int q = 0; q < 4; ++q) {
      const int c = 128 * p + 16 * q;
      expected.push_back({true, p / 2, 128 * (p % 2) + 8 * q, {c, c + 1, c + 2, c + 3}});
      progress.push_back(0.75 * static_cast<double>(expected.size()));
    }
  }
  EXPECT_EQ(Blocks(plan), expected);
  std::vector<double> after;
  for (std::size_t i = 1; i < plan.size(); ++i) {
    if (const auto* p = std::get_if<SetProgress>(&plan[i]); p && IsBlock(plan[i - 1]))
      after.push_back(p->value);
  }
  EXPECT_THAT(after, ElementsAreArray(progress));
  EXPECT_EQ(Count<ProcessEvents>(plan), 0);
  EXPECT_EQ(Count<Pause>(plan), 0);
  EXPECT_THAT(LastSteps(plan, 3), ElementsAre(WriteStep(EndWrite{}), WriteStep(ShowResult{}),
                                              WriteStep(SetProgress{0})));
}

TEST(WritePlan, ModelsWithoutALayoutSendNothingAndShowNothing) {
  for (const std::int16_t model : {11, 12, 15, 16, 18, -1}) {
    EXPECT_TRUE(PlanWrite(model, MarkedCells()).empty()) << model;
  }
}

}  // namespace
}  // namespace lavrix
