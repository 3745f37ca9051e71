#include "core/file_protection.h"

namespace lavrix {

std::optional<ProtectionView> ViewAfterOpen(const EditorState& state) {
  if (state.FileProtection == ProtectionLevel::Free ||
      state.EnteredPassword == state.FilePassword) {
    return ProtectionView::Full;
  }
  switch (state.FileProtection) {
    case ProtectionLevel::ViewAndWrite:
      return ProtectionView::Examine;
    case ProtectionLevel::WriteOnly:
      return ProtectionView::WriteOnly;
    default:
      return std::nullopt;
  }
}

bool ConfirmOptions(EditorState& state, const OptionsEntry& entry) {
  const bool authorised = entry.password == state.FilePassword ||
                          state.FileProtection == ProtectionLevel::Free || state.EditUnlocked;
  if (authorised) {
    state.FileProtection = entry.level;
    state.FilePassword = entry.password;
    state.FileReminder = entry.reminder;
    state.EditUnlocked = true;
  }
  state.EnteredProtection = entry.level;
  state.EnteredPassword = entry.password;
  state.EnteredReminder = entry.reminder;
  return authorised;
}

}  // namespace lavrix
