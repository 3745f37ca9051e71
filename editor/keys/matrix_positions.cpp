#include "keys/matrix_positions.h"

#include "core/model_catalogue.h"

namespace lavrix {
namespace {

constexpr int kColumns = 16;
constexpr int kShownColumns = 15;
constexpr int kGridRows = 6;
constexpr int kLastLineOffset = 96;
constexpr int kFirstSeventhRowButton = 112;
constexpr int kLastSeventhRowButton = 115;

constexpr int kPitch = 600;
constexpr int kFirstLeft = 120;
constexpr int kFirstTop = 240;
constexpr int kSeventhRowTop = 3840;
constexpr int kButtonSize = 495;

bool InGrid(int n) {
  return n >= 1 && n <= kGridRows * kColumns && (n - 1) % kColumns < kShownColumns;
}

bool InSeventhRow(int n) {
  return n >= kFirstSeventhRowButton && n <= kLastSeventhRowButton;
}

}  // namespace

const std::vector<int>& PositionButtons() {
  static const std::vector<int> buttons = [] {
    std::vector<int> numbers;
    for (int n = 1; n <= kLastSeventhRowButton; ++n) {
      if (HasPositionButton(n)) numbers.push_back(n);
    }
    return numbers;
  }();
  return buttons;
}

bool HasPositionButton(int displayPosition) {
  return InGrid(displayPosition) || InSeventhRow(displayPosition);
}

std::optional<int> ButtonOfPosition(int position) {
  if (HasPositionButton(position)) return position;
  // Positions 97-111 appear on the first row while the last-line option is on.
  if (position > kLastLineOffset && position <= kLastLineOffset + kShownColumns) {
    return position - kLastLineOffset;
  }
  return std::nullopt;
}

int LayoutPositionOfButton(int button, bool lastLineOption) {
  return lastLineOption && button <= kShownColumns ? button + kLastLineOffset : button;
}

MatrixCell MatrixCellOfButton(int button) {
  // Under columns 9 to 12.
  if (InSeventhRow(button)) return {kGridRows, button - kFirstSeventhRowButton + 8};
  return {(button - 1) / kColumns, (button - 1) % kColumns};
}

TwipsRect PositionButtonRect(int button) {
  const MatrixCell cell = MatrixCellOfButton(button);
  const int top = cell.row == kGridRows ? kSeventhRowTop : kFirstTop + kPitch * cell.row;
  return {kFirstLeft + kPitch * cell.column, top, kButtonSize, kButtonSize};
}

bool LastLineOptionOn(const EditorState& state, const EditorView& view) {
  return state.CurrentModel == kLastLineModel && view.IsLastLineBoxChecked();
}

}  // namespace lavrix
