#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "core/editor_state.h"
#include "core/editor_view.h"

namespace lavrix {

// Positions whose captions an import redraws, on the page shown.
inline constexpr int kImportRefreshedPositions = 96;

// Takes an old file of `kind` into the editor: the kind's model set up, the file's codes in
// LayoutCodes, and the captions of positions 1-96 of the page shown redrawn. The GORIM kind lets
// window events in four times before each caption, through `processEvents`. False, with
// nothing changed, for a kind no button chooses or a file of another length.
bool ApplyOldLayout(EditorState& state, EditorView& view, std::int16_t kind,
                    std::span<const std::uint8_t> bytes,
                    const std::function<void()>& processEvents);

}  // namespace lavrix
