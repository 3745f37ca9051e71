#pragma once

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "keys/pc_key_table.h"

namespace lavrix {

// A click on a PC key button: selects the key and places it at once on CurrentPosition of the
// page shown, whether or not the layout may be edited.
void SelectPcKey(EditorState& state, EditorView& view, const PcKey& key);

// Shows the selected key on the button of CurrentPosition, when that position has one.
void ShowCurrentKey(const EditorState& state, EditorView& view);

}  // namespace lavrix
