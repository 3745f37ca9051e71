#include "keys/key_selection.h"

#include <string>

#include "keys/matrix_positions.h"

namespace lavrix {

void SelectPcKey(EditorState& state, EditorView& view, const PcKey& key) {
  state.CurrentCode = key.code;
  state.CurrentCaption = std::string(SelectionCaption(key));
  state.CurrentFontName = std::string(FontName(key));
  ShowCurrentKey(state, view);
  if (const auto cell = CellIndex(state.CurrentPage, state.CurrentPosition)) {
    state.LayoutCodes[*cell] = state.CurrentCode;
  }
}

void ShowCurrentKey(const EditorState& state, EditorView& view) {
  if (const auto button = ButtonOfPosition(state.CurrentPosition)) {
    view.SetPositionCaption(*button, state.CurrentCaption, state.CurrentFontName);
  }
}

}  // namespace lavrix
