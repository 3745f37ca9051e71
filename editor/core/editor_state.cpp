#include "core/editor_state.h"

#include <utility>

namespace lavrix {

bool MayEdit(const EditorState& state) {
  return state.FilePassword == state.EnteredPassword || state.EditUnlocked ||
         state.FileProtection == ProtectionLevel::Free;
}

std::optional<std::size_t> CellIndex(int page, int position) {
  const long index = static_cast<long>(page) * kPositionsPerPage + position - 1;
  if (index < 0 || index >= kCellCount) return std::nullopt;
  return static_cast<std::size_t>(index);
}

void SetStartValues(EditorState& state, std::string programDirectory) {
  state.CurrentCode = 0;
  state.CurrentCaption = " ";
  state.CurrentPage = 0;
  state.CurrentModel = 0;
  state.CurrentFontName = kSansSerifFont;
  state.FilePassword = kDefaultPassword;
  state.EnteredPassword = kDefaultPassword;
  state.FileReminder = kDefaultReminder;
  state.EnteredReminder = kDefaultReminder;
  state.EditUnlocked = true;
  state.DelayValue = kDefaultDelay;
  state.LayoutFileName = kDefaultLayoutFileName;
  state.InitialDirectory = std::move(programDirectory);
}

}  // namespace lavrix
