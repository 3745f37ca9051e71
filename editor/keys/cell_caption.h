#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/editor_state.h"
#include "core/editor_view.h"

namespace lavrix {

// Codes 0-100 have a caption; any other code shows an empty one.
inline constexpr int kCaptionedCodes = 101;

// The short text of each key code, as the position buttons show it after a refresh.
extern const std::array<std::string_view, kCaptionedCodes> CellCaptionTable;

struct CellCaption {
  std::string_view text;
  std::string_view fontName;
};

// The text and font name of a code; nullopt for a code without a caption.
std::optional<CellCaption> CaptionOfCode(int code);

// Shows CellCode on the button of display position CellPosition. It also hands the code's font
// name over to CurrentFontName, which the next position click gives to its button.
void ShowCellCaption(EditorState& state, EditorView& view);

}  // namespace lavrix
