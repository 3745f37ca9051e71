#include "core/layout_document.h"

#include "core/cp1252.h"
#include "core/model_catalogue.h"
#include "core/select_model.h"
#include "keys/matrix_editing.h"

namespace lavrix {
namespace {

constexpr std::string_view kNewLayoutFileName = "Novo.vly";

}  // namespace

std::optional<LayoutFile> LayoutFileOfState(const EditorState& state) {
  auto password = Utf8ToCp1252(state.EnteredPassword);
  auto reminder = Utf8ToCp1252(state.EnteredReminder);
  if (!password || !reminder) return std::nullopt;
  LayoutFile file;
  file.codes = state.LayoutCodes;
  file.password = std::move(*password);
  file.reminder = std::move(*reminder);
  file.protection = static_cast<std::int16_t>(state.EnteredProtection);
  file.model = state.CurrentModel;
  return file;
}

void NewLayout(EditorState& state, EditorView& view) {
  state.LayoutFileName = kNewLayoutFileName;
  state.LayoutCodes.fill(0);
  RefreshPageCaptions(state, view);
}

void ApplyOpenedLayout(EditorState& state, EditorView& view, const LayoutFile& file) {
  state.LayoutCodes = file.codes;
  state.FilePassword = Cp1252ToUtf8(file.password);
  state.FileReminder = Cp1252ToUtf8(file.reminder);
  state.FileProtection = static_cast<ProtectionLevel>(file.protection);
  state.CurrentModel = file.model;
  state.EditUnlocked = state.EnteredPassword == state.FilePassword;
  // A number without a row (15, 16, any other) keeps the window as it is.
  if (const ModelRow* row = MainRowOfModel(file.model)) SelectModel(state, view, *row);
  RefreshPageCaptions(state, view);
}

std::string WindowCaption(std::string_view path) {
  return "Lavrix Velmar - " + std::string(path);
}

std::string OpenedWindowCaption(std::string_view path, std::string_view reminder) {
  return WindowCaption(path) + " - " + std::string(reminder);
}

}  // namespace lavrix
