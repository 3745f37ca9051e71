#include "core/select_model.h"

#include "keys/matrix_editing.h"
#include "keys/matrix_positions.h"

namespace lavrix {

void SelectModel(EditorState& state, EditorView& view, const ModelRow& row) {
  state.CurrentModel = row.number;
  state.CurrentPage = 0;
  view.SetModelLabel(row.label);
  view.ShowModelPicture(row.picture);
  if (!view.IsPageButtonSelected(1)) {
    view.SelectPageButton(1);
    SelectPage(state, view, 1);
  }
  view.CheckPageMenuItem(1, true);

  const bool lastLine = LastLineOptionOn(state, view);
  view.SelectPositionButton(1);
  state.CurrentPosition = static_cast<std::int16_t>(LayoutPositionOfButton(1, lastLine));

  view.EnableWriteButton(row.mayWrite);
  for (int button : PositionButtons()) {
    view.ShowPositionButton(button, ShowsPosition(row, button, lastLine));
  }
  for (int page = 1; page <= kPageCount; ++page)
    view.ShowPage(page, page <= row.pages);
  for (const ModelRow& other : ModelCatalogue()) {
    view.CheckModelMenuItem(other.menuItem, other.menuItem == row.menuItem);
  }
  view.ShowLastLineBox(row.number == kLastLineModel);
}

void ChooseModelMenuItem(EditorState& state, EditorView& view, const ModelRow& row) {
  if (row.menuItem == kLastLineModelItem && view.IsLastLineBoxChecked()) {
    // Clearing the box runs its own handler, as a click on it would.
    view.SetLastLineBoxChecked(false);
    ToggleLastLineOption(state, view);
  }
  SelectModel(state, view, row);
}

}  // namespace lavrix
