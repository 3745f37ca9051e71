#include "keys/matrix_editing.h"

#include "core/model_catalogue.h"
#include "core/select_model.h"
#include "keys/cell_caption.h"
#include "keys/matrix_positions.h"

namespace lavrix {
namespace {

constexpr int kLastLineOffset = 96;
constexpr int kAllDisplayPositions = 115;
constexpr int kLastLineDisplayPositions = 14;
constexpr int kToggleDisplayPositions = 96;

// Shows the cell `offset` places into CurrentPage on display position d; false past the 512th.
bool ShowCell(EditorState& state, EditorView& view, int offset, int displayPosition) {
  const auto cell = CellIndex(state.CurrentPage, offset + displayPosition);
  if (!cell) return false;
  state.CellCode = state.LayoutCodes[*cell];
  state.CellPosition = static_cast<std::int16_t>(displayPosition);
  ShowCellCaption(state, view);
  return true;
}

}  // namespace

void PlaceCurrentKey(EditorState& state, EditorView& view, int button) {
  if (!MayEdit(state)) return;
  view.SetPositionCaption(button, state.CurrentCaption, state.CurrentFontName);
  const int position = LayoutPositionOfButton(button, LastLineOptionOn(state, view));
  state.CurrentPosition = static_cast<std::int16_t>(position);
  if (const auto cell = CellIndex(state.CurrentPage, position)) {
    state.LayoutCodes[*cell] = state.CurrentCode;
  }
}

void SelectPage(EditorState& state, EditorView& view, int page) {
  state.CurrentPage = static_cast<std::int16_t>(page - 1);
  for (int item = 1; item <= kPageCount; ++item)
    view.CheckPageMenuItem(item, item == page);
  RefreshPageCaptions(state, view);
}

void ChoosePageMenuItem(EditorState& state, EditorView& view, int page) {
  SelectPage(state, view, page);
  view.FocusPageButton(page);
}

void ToggleLastLineOption(EditorState& state, EditorView& view) {
  const int offset = LastLineOptionOn(state, view) ? kLastLineOffset : 0;
  for (int d = 1; d <= kToggleDisplayPositions; ++d) {
    if (!ShowCell(state, view, offset, d)) break;
  }
  SelectModel(state, view, *FindModelItem(kLastLineModelItem));
}

void RefreshMatrixCaptions(EditorState& state, EditorView& view, int count) {
  const int offset = LastLineOptionOn(state, view) ? kLastLineOffset : 0;
  for (int d = 1; d <= count; ++d)
    ShowCell(state, view, offset, d);
}

void RefreshPageCaptions(EditorState& state, EditorView& view) {
  RefreshMatrixCaptions(
      state, view,
      LastLineOptionOn(state, view) ? kLastLineDisplayPositions : kAllDisplayPositions);
}

}  // namespace lavrix
