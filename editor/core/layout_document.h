#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/layout_file.h"

namespace lavrix {

// What Save writes: the layout, the protection last confirmed in the options and the current
// model. nullopt when the password or reminder holds a character the file cannot keep.
std::optional<LayoutFile> LayoutFileOfState(const EditorState& state);

// New: an empty layout named "Novo.vly", drawn on the page shown; model, page and protection
// stay as they are.
void NewLayout(EditorState& state, EditorView& view);

// Takes a file that was read whole into the layout and the file's protection, sets its model
// up and redraws the page.
void ApplyOpenedLayout(EditorState& state, EditorView& view, const LayoutFile& file);

// "Lavrix Velmar - " and the path; after Open also " - " and the file's reminder.
std::string WindowCaption(std::string_view path);
std::string OpenedWindowCaption(std::string_view path, std::string_view reminder);

}  // namespace lavrix
