#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor_state.h"

namespace lavrix {

// The options dialog's captions of the levels, in the order of their numbers.
inline constexpr std::array<std::string_view, 3> kProtectionCaptions{"Livre", "Examinar e Gravar",
                                                                     "Só Gravação"};

// How much of the main window a user gets for the layout loaded.
enum class ProtectionView {
  Full,       // matrix, pages and key selection
  Examine,    // matrix and pages, shown but not editable; no key selection
  WriteOnly,  // only the model and the write button
};

// Heights of the main window, in twips, for each way of reaching a view.
inline constexpr int kFullViewHeight = 8640;
inline constexpr int kProtectedViewHeight = 4640;
inline constexpr int kOptionsOkHeight = 8704;
inline constexpr int kOptionsApplyHeight = 8640;

// The view Open applies; nullopt for a level without a meaning, which keeps the window as it is.
std::optional<ProtectionView> ViewAfterOpen(const EditorState& state);

// What the options dialog holds when OK or Apply is pressed.
struct OptionsEntry {
  std::string password;
  std::string reminder;
  ProtectionLevel level = ProtectionLevel::Free;
};

// OK and Apply: the entered set always takes the dialog's values; the loaded layout's
// protection and the unlocking only when the user is authorised, which is returned.
bool ConfirmOptions(EditorState& state, const OptionsEntry& entry);

}  // namespace lavrix
