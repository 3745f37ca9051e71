#include "write/ilvar_write_plan.h"

#include <algorithm>
#include <span>

namespace lavrix {
namespace {

using namespace write_step;

constexpr int kNoCell = -1;

// One block of a page: its offset within the page and the cell offsets of its four codes.
struct PageKeyEntry {
  int offset;
  std::array<int, 4> cells;
};

constexpr PageKeyEntry Single(int offset, int cell) {
  return {offset, {cell, kNoCell, kNoCell, kNoCell}};
}

// PageKeyMap for pages 0 to 2, in increasing order of offset. A single code is followed by
// three zeros, which the next block overwrites where they overlap.
constexpr std::array<PageKeyEntry, 53> PageKeyMap{
    Single(1, 51),   Single(2, 2),    Single(3, 67),   Single(6, 70),          Single(7, 38),
    Single(16, 18),  Single(17, 80),  Single(18, 0),   Single(19, 16),         Single(20, 6),
    Single(21, 5),   Single(22, 54),  Single(23, 22),  Single(33, 36),         Single(34, 4),
    Single(35, 32),  Single(36, 85),  Single(37, 86),  Single(38, 43),         Single(39, 84),
    Single(48, 66),  Single(49, 19),  Single(50, 53),  Single(51, 48),         Single(52, 40),
    Single(53, 41),  Single(54, 42),  Single(55, 50),  Single(65, 35),         Single(66, 3),
    Single(67, 64),  Single(68, 91),  Single(69, 111), Single(70, 112),        Single(71, 113),
    Single(80, 83),  Single(81, 20),  Single(82, 37),  Single(83, 69),         Single(84, 88),
    Single(85, 89),  Single(86, 90),  Single(87, 114), {96, {34, 82, 21, 68}}, Single(100, 72),
    Single(101, 73), Single(102, 74), Single(103, 75), Single(113, 52),        Single(116, 56),
    Single(117, 57), Single(118, 58), Single(119, 59)};

// Page 3 sends offsets 116 to 119 as one block of four codes.
constexpr std::size_t kBlocksBeforeLastRow = 49;
constexpr PageKeyEntry kLastRowOfPage3{116, {56, 57, 58, 59}};

// The pauses of each page: after these offsets 75 ms and then window events, ...
constexpr int kPage0Events[]{6, 18, 22, 35, 48, 51, 55, 67, 83, 96, 113};
constexpr int kPage1Events[]{6, 22, 35, 39, 65, 70, 82, 86, 102, 116};
constexpr int kPage2Events[]{6, 23, 36, 48, 52, 65, 69, 81, 85, 101, 116};
constexpr int kPage3Events[]{6, 18, 23, 36, 48, 52, 65, 69, 81, 85, 101};
constexpr std::array<std::span<const int>, kPageCount> kPausesWithEvents{
    kPage0Events, kPage1Events, kPage2Events, kPage3Events};
// ... and after these 75 ms only.
constexpr int kPage0PausesOnly[]{71};
constexpr int kPage1PausesOnly[]{18, 51};
constexpr int kPage2PausesOnly[]{18};
constexpr std::array<std::span<const int>, kPageCount> kPausesOnly{
    kPage0PausesOnly, kPage1PausesOnly, kPage2PausesOnly, std::span<const int>{}};
constexpr int kBlockPause = 75;
constexpr int kPagePause = 750;

// Page 0 programs the keyboard with what it holds so far after these two blocks.
constexpr std::array<int, 2> kEarlyEnds{87, 100};

// The progress bar moves by a twentieth of its range after these blocks of a page (counted
// from 1) and after the page's last one.
constexpr std::array<int, 4> kProgressBlocksOfPage0{9, 20, 31, 42};
constexpr std::array<int, 4> kProgressBlocksOfOtherPages{11, 22, 33, 44};
constexpr int kProgressMoves = 20;

bool Contains(std::span<const int> values, int value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace

void PlanIlvarBlocks(WritePlan& plan) {
  int progressMoves = 0;
  for (int page = 0; page < kPageCount; ++page) {
    const int base = kPositionsPerPage * page;
    std::vector<PageKeyEntry> entries(PageKeyMap.begin(), PageKeyMap.end());
    if (page == kPageCount - 1) {
      entries.resize(kBlocksBeforeLastRow);
      entries.push_back(kLastRowOfPage3);
    }
    const auto& progressBlocks = page == 0 ? kProgressBlocksOfPage0 : kProgressBlocksOfOtherPages;
    for (std::size_t n = 1; n <= entries.size(); ++n) {
      const PageKeyEntry& entry = entries[n - 1];
      const auto code = [&](std::size_t i) {
        return entry.cells[i] == kNoCell ? BlockCode::Value(0)
                                         : BlockCode::Cell(base + entry.cells[i]);
      };
      const BlockCodes codes{code(0), code(1), code(2), code(3)};
      const int address = base + entry.offset;
      plan.push_back(Block512{address / 256, address, codes});
      if (page == 0 && Contains(kEarlyEnds, entry.offset)) plan.push_back(EndWrite{});
      if (Contains(progressBlocks, static_cast<int>(n)) || n == entries.size()) {
        ++progressMoves;
        plan.push_back(SetProgress{kWriteProgressMaximum * progressMoves / kProgressMoves});
      }
      if (Contains(kPausesWithEvents[page], entry.offset)) {
        plan.push_back(Pause{kBlockPause});
        plan.push_back(ProcessEvents{});
      } else if (Contains(kPausesOnly[page], entry.offset)) {
        plan.push_back(Pause{kBlockPause});
      }
    }
    if (page < kPageCount - 1) {
      plan.push_back(Pause{kPagePause});
      plan.push_back(Pause{kPagePause});
      if (page == 2) plan.push_back(ProcessEvents{});
    }
  }
}

}  // namespace lavrix
