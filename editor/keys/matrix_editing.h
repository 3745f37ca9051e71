#pragma once

#include "core/editor_state.h"
#include "core/editor_view.h"

namespace lavrix {

// A click on position button `Option`n: places the selected key there, if the layout may be
// edited.
void PlaceCurrentKey(EditorState& state, EditorView& view, int button);

// Shows page k (1-4) and redraws the position buttons from its cells.
void SelectPage(EditorState& state, EditorView& view, int page);

// The page menu item k: as the page button, which then takes the focus.
void ChoosePageMenuItem(EditorState& state, EditorView& view, int page);

// A change of "Ultima Linha": redraws the first rows for the new state and sets model 3 up again.
void ToggleLastLineOption(EditorState& state, EditorView& view);

// Redraws display positions 1 to count from the cells of CurrentPage.
void RefreshMatrixCaptions(EditorState& state, EditorView& view, int count);

// The refresh after a page change, New or Open: every position, or 97-110 with the option on.
void RefreshPageCaptions(EditorState& state, EditorView& view);

}  // namespace lavrix
