#include "write/write_plan.h"

#include <cmath>
#include <optional>

#include "write/ilvar_write_plan.h"
#include "write/key_order_table.h"

namespace lavrix {
namespace {

using namespace write_step;

constexpr int kPageSize = kPositionsPerPage;
constexpr int kLoopPagePause = 900;
// The loop layouts count their progress in 27 steps of the bar's range.
constexpr double kLoopProgressSteps = 27;

double LoopProgress(int k, double divisor, int steps) {
  return kWriteProgressMaximum * (std::floor(k / divisor) + steps) / kLoopProgressSteps;
}

BlockCodes FourCells(int first) {
  return {BlockCode::Cell(first), BlockCode::Cell(first + 1), BlockCode::Cell(first + 2),
          BlockCode::Cell(first + 3)};
}

BlockCodes OneCell(int cell) {
  return {BlockCode::Cell(cell), BlockCode::Value(0), BlockCode::Value(0), BlockCode::Value(0)};
}

// The CINDO AT keyboard keeps 32 keys a page in its own order; the rest of each page is 0.
CellCodes RemappedCodes(const CellCodes& codes) {
  CellCodes remapped{};
  for (int page = 0; page < kPageCount; ++page) {
    const int base = kPageSize * page;
    for (int j = 0; j < static_cast<int>(KeyOrderTable.size()); ++j) {
      remapped[static_cast<std::size_t>(base + j)] =
          codes[static_cast<std::size_t>(base + KeyOrderTable[static_cast<std::size_t>(j)])];
    }
  }
  return remapped;
}

// Layout A: K blocks from the start of each page, the page pauses after each.
void PlanLayoutA(WritePlan& plan, int keysPerPage, double progressDivisor,
                 const std::optional<CellCodes>& remapped = std::nullopt) {
  // The remapped write lets events in only between pages.
  const bool eventsPerBlock = !remapped;
  for (int h = 0; h < 2; ++h) {
    plan.push_back(ProcessEvents{});
    for (int r = 0; r < 2; ++r) {
      plan.push_back(ProcessEvents{});
      for (int k = 0; k < keysPerPage; ++k) {
        if (eventsPerBlock) plan.push_back(ProcessEvents{});
        const int address = kPageSize * (2 * h + r) + 4 * k;
        BlockCodes codes = FourCells(address);
        if (remapped) {
          for (int i = 0; i < 4; ++i) {
            codes[static_cast<std::size_t>(i)] =
                BlockCode::Value((*remapped)[static_cast<std::size_t>(address + i)]);
          }
        }
        plan.push_back(SetProgress{LoopProgress(k, progressDivisor, 7 * r + 14 * h)});
        plan.push_back(Block512{h, kPageSize * r + 4 * k, codes});
      }
      plan.push_back(Pause{kLoopPagePause});
    }
    plan.push_back(Pause{kLoopPagePause});
  }
}

// Layout B (BRALO Dis AT): four rows of five keys a page, the rows in reverse order, each
// sent as four keys right to left and then its first key alone.
void PlanLayoutB(WritePlan& plan) {
  for (int h = 0; h < 2; ++h) {
    plan.push_back(ProcessEvents{});
    for (int r = 0; r < 2; ++r) {
      plan.push_back(ProcessEvents{});
      for (int k = 0; k < 16; ++k) {
        plan.push_back(ProcessEvents{});
        const int row = k / 4;
        const int part = k % 4;
        if (part > 1) continue;
        const int first = kPageSize * (2 * h + r) + 16 * row;
        const BlockCodes codes =
            part == 0 ? BlockCodes{BlockCode::Cell(first + 4), BlockCode::Cell(first + 3),
                                   BlockCode::Cell(first + 2), BlockCode::Cell(first + 1)}
                      : OneCell(first);
        plan.push_back(SetProgress{LoopProgress(k, 2.2858, 7 * r + 14 * h)});
        plan.push_back(Block512{h, kPageSize * r + 48 - 16 * row + 4 * part, codes});
      }
    }
  }
}

// Layout C (two pages of 64 keys); the old FESK keyboard takes all blocks but the last.
void PlanLayoutC(WritePlan& plan, bool withoutLastBlock) {
  for (int r = 0; r < 2; ++r) {
    plan.push_back(ProcessEvents{});
    for (int k = 0; k < 16; ++k) {
      if (withoutLastBlock && r == 1 && k == 15) return;
      plan.push_back(ProcessEvents{});
      plan.push_back(SetProgress{LoopProgress(k, 1.1429, 14 * r)});
      plan.push_back(Block256{64 * r + 4 * k, FourCells(kPageSize * r + 4 * k)});
    }
  }
}

// Layout D (one page): positions 1-13 of each row of 16, the last two moved to the row's end.
void PlanLayoutD(WritePlan& plan) {
  for (int k = 0; k < 20; ++k) {
    plan.push_back(ProcessEvents{});
    const int address = 4 * k;
    BlockCodes codes = FourCells(address);
    if (k % 4 == 2) codes[3] = BlockCode::Value(0);
    if (k % 4 == 3) {
      codes = {BlockCode::Value(0), BlockCode::Value(0), BlockCode::Cell(address - 1),
               BlockCode::Cell(address)};
    }
    // 1.4·k in whole tenths, so that no rounding moves the integer part.
    plan.push_back(SetProgress{kWriteProgressMaximum * (14 * k / 10) / kLoopProgressSteps});
    plan.push_back(Block256{address, codes});
  }
}

// Layout E (ANSU AT): the first four positions of each row of 16, rows of 8 in the EEPROM.
void PlanLayoutE(WritePlan& plan) {
  int sent = 0;
  for (int p = 0; p < kPageCount; ++p) {
    for (int q = 0; q < 4; ++q) {
      plan.push_back(
          Block512{p / 2, kPageSize * (p % 2) + 8 * q, FourCells(kPageSize * p + 16 * q)});
      ++sent;
      plan.push_back(SetProgress{0.75 * sent});
    }
  }
}

void EndLoopWrite(WritePlan& plan) {
  plan.push_back(EndWrite{});
  plan.push_back(SetProgress{0});
  plan.push_back(ShowResult{});
}

void EndMapWrite(WritePlan& plan) {
  plan.push_back(EndWrite{});
  plan.push_back(ShowResult{});
  plan.push_back(SetProgress{0});
}

}  // namespace

WritePlan PlanWrite(std::int16_t model, const CellCodes& codes) {
  WritePlan plan;
  switch (model) {
    case 0:
    case 3:
    case 7:
      PlanLayoutA(plan, 28, 4);
      break;
    case 1:
    case 6:
      PlanLayoutA(plan, 24, 3.4286);
      break;
    case 5:
      // Built before the first block: keys placed during the write do not reach this keyboard.
      PlanLayoutA(plan, 28, 4, RemappedCodes(codes));
      break;
    case 8:
      PlanLayoutA(plan, 16, 2.2858);
      break;
    case 13:
      PlanLayoutA(plan, 24, 4);
      break;
    case 2:
      PlanLayoutB(plan);
      break;
    case 4:
      PlanLayoutC(plan, false);
      break;
    case 10:
      PlanLayoutC(plan, true);
      break;
    case 9:
      PlanLayoutD(plan);
      break;
    case 14:
      PlanLayoutE(plan);
      EndMapWrite(plan);
      return plan;
    case 17:
      PlanIlvarBlocks(plan);
      EndMapWrite(plan);
      return plan;
    default:
      return plan;
  }
  EndLoopWrite(plan);
  return plan;
}

}  // namespace lavrix
