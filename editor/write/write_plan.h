#pragma once

#include <array>
#include <cstdint>
#include <variant>
#include <vector>

#include "core/editor_state.h"

namespace lavrix {

using CellCodes = std::array<std::int16_t, kCellCount>;

// One code of a block: a cell of LayoutCodes, read when the block goes out (a key placed while
// the write processes window events still travels), or a value fixed when the plan was made.
class BlockCode {
 public:
  static constexpr BlockCode Cell(int cell) { return BlockCode(cell, 0); }
  static constexpr BlockCode Value(std::int16_t value) { return BlockCode(kNoCell, value); }

  std::int16_t Resolve(const CellCodes& codes) const {
    return cell_ == kNoCell ? value_ : codes[static_cast<std::size_t>(cell_)];
  }
  bool operator==(const BlockCode&) const = default;

 private:
  static constexpr int kNoCell = -1;
  constexpr BlockCode(int cell, std::int16_t value) : cell_(cell), value_(value) {}

  int cell_;
  std::int16_t value_;
};

using BlockCodes = std::array<BlockCode, 4>;

// The steps of a write, in the order the window runs them.
namespace write_step {

struct ProcessEvents {
  bool operator==(const ProcessEvents&) const = default;
};
struct SetProgress {
  double value;  // 0 to 12
  bool operator==(const SetProgress&) const = default;
};
// GravaBloco512: EEPROM address (page << 8) | address.
struct Block512 {
  std::int32_t page;
  std::int32_t address;
  BlockCodes codes;
  bool operator==(const Block512&) const = default;
};
// GravaBloco256: a one-byte EEPROM address.
struct Block256 {
  std::int32_t address;
  BlockCodes codes;
  bool operator==(const Block256&) const = default;
};
struct Pause {
  int milliseconds;
  bool operator==(const Pause&) const = default;
};
// TerminaGravacao.
struct EndWrite {
  bool operator==(const EndWrite&) const = default;
};
// The message that tells the user how the write went.
struct ShowResult {
  bool operator==(const ShowResult&) const = default;
};

}  // namespace write_step

using WriteStep = std::variant<write_step::ProcessEvents, write_step::SetProgress,
                               write_step::Block512, write_step::Block256, write_step::Pause,
                               write_step::EndWrite, write_step::ShowResult>;
using WritePlan = std::vector<WriteStep>;

inline constexpr double kWriteProgressMaximum = 12;

// What "&Gravar Teclado" does for the model: every block in the order and at the addresses its
// keyboard expects. Empty for a model the editor cannot write (11, 12 and numbers without a
// model). `codes` is read only for model 5, whose keys are rearranged before the write starts.
WritePlan PlanWrite(std::int16_t model, const CellCodes& codes);

}  // namespace lavrix
