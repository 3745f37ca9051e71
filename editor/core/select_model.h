#pragma once

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/model_catalogue.h"

namespace lavrix {

// Applies one catalogue row to the window and the state. The layout itself is left untouched.
void SelectModel(EditorState& state, EditorView& view, const ModelRow& row);

// A click on a model menu item. "HOLBE AT" first turns the last-line option off.
void ChooseModelMenuItem(EditorState& state, EditorView& view, const ModelRow& row);

}  // namespace lavrix
