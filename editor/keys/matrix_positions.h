#pragma once

#include <optional>
#include <vector>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/twips.h"

namespace lavrix {

// The numbers n of the 94 position buttons `Option`n, ascending.
const std::vector<int>& PositionButtons();

// Whether display position d has a button of its own.
bool HasPositionButton(int displayPosition);

// The button that shows a layout position; nullopt for positions that never have one.
std::optional<int> ButtonOfPosition(int position);

// The layout position a click on button n edits.
int LayoutPositionOfButton(int button, bool lastLineOption);

inline constexpr int kMatrixRows = 7;
inline constexpr int kMatrixColumns = 15;

// Row (0-6) and column (0-14) of button n in the matrix; the seventh row sits under columns
// 9 to 12.
struct MatrixCell {
  int row;
  int column;
};
MatrixCell MatrixCellOfButton(int button);

// Where `Option`n lies in the matrix frame.
TwipsRect PositionButtonRect(int button);

// Model 3 with "Ultima Linha" checked: the first row of buttons shows positions 97-111.
bool LastLineOptionOn(const EditorState& state, const EditorView& view);

}  // namespace lavrix
