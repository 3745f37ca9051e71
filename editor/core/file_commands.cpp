#include "core/file_commands.h"

#include <QAction>

#include "core/file_protection.h"
#include "core/layout_document.h"
#include "core/layout_file_io.h"
#include "core/protection_view.h"
#include "core/qt_text.h"
#include "platform/platform.h"

namespace lavrix {
namespace {

using velmar::platform::MessageIcon;

constexpr std::string_view kEditorTitle = "Lavrix Velmar";
constexpr std::string_view kProtectedTitle = "Arquivo Protegido";

void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  velmar::platform::messageBoxes().show(text, caption, icon);
}

void ShowFailure(const QString& text) {
  ShowMessage(ToStdString(text), kEditorTitle, MessageIcon::Error);
}

}  // namespace

FileCommands::FileCommands(QMainWindow& window, EditorState& state, EditorView& view,
                           VarnoCalls& varno, std::shared_ptr<FileDialogs> dialogs)
    : QObject(&window),
      window_(window),
      state_(state),
      view_(view),
      varno_(varno),
      dialogs_(dialogs ? std::move(dialogs) : std::make_shared<LayoutFileDialogs>()) {
  const auto connectItem = [this](const char* name, void (FileCommands::*handler)()) {
    if (auto* item = window_.findChild<QAction*>(name)) {
      connect(item, &QAction::triggered, this, handler);
    }
  };
  connectItem("MNovo", &FileCommands::MNovo_Click);
  connectItem("Abrir", &FileCommands::Abrir_Click);
  connectItem("Salvar", &FileCommands::Salvar_Click);
  connectItem("SalvarComo", &FileCommands::SalvarComo_Click);
  connectItem("Opcoes", &FileCommands::Opcoes_Click);
}

void FileCommands::EnableSaving() {
  for (const char* name : {"Salvar", "SalvarComo"}) {
    if (auto* item = window_.findChild<QAction*>(name)) item->setEnabled(true);
  }
}

FileDialogStart FileCommands::DialogStart() const {
  return {ToQString(state_.InitialDirectory), ToQString(state_.LayoutFileName)};
}

void FileCommands::MNovo_Click() {
  EnableSaving();
  NewLayout(state_, view_);
  window_.setWindowTitle(ToQString(WindowCaption(state_.LayoutFileName)));
}

void FileCommands::Abrir_Click() {
  // A cancelled or failed Open leaves the loaded layout locked, as its protection says.
  state_.FilePassword.clear();
  state_.FileReminder.clear();
  state_.EditUnlocked = false;
  const auto choice = dialogs_->Choose(FileDialogKind::Open, DialogStart(), &window_);
  if (!choice) return;
  state_.InitialDirectory = ToStdString(choice->directory);
  // The whole file is checked before anything changes, so a bad file leaves the layout and
  // its name as they were, and a later Save cannot write a mixture over it.
  const auto read = ReadLayoutFileAt(choice->path);
  if (const auto* failure = std::get_if<QString>(&read)) {
    ShowFailure(*failure);
    return;
  }
  state_.LayoutFileName = ToStdString(choice->path);
  ApplyOpenedLayout(state_, view_, std::get<LayoutFile>(read));
  window_.setWindowTitle(
      ToQString(OpenedWindowCaption(state_.LayoutFileName, state_.FileReminder)));
  if (const auto view = ViewAfterOpen(state_)) {
    ApplyProtectionView(window_, *view,
                        *view == ProtectionView::Full ? kFullViewHeight : kProtectedViewHeight);
  }
}

std::optional<LayoutFile> FileCommands::FileToSave() {
  auto file = LayoutFileOfState(state_);
  if (!file) {
    ShowMessage(
        "A senha e o lembrete só podem ter letras e sinais do alfabeto latino (Windows-1252). "
        "Corrija-os em opções.",
        kEditorTitle, MessageIcon::Warning);
  }
  return file;
}

bool FileCommands::Write(const QString& path, const LayoutFile& file) {
  if (const auto failure = SaveLayoutTextAt(path, WriteLayoutFile(file))) {
    ShowFailure(*failure);
    return false;
  }
  return true;
}

void FileCommands::Salvar_Click() {
  if (!MayEdit(state_)) {
    ShowMessage("Por favor entre a senha correta em opções", kProtectedTitle, MessageIcon::None);
    return;
  }
  if (const auto file = FileToSave()) Write(ToQString(state_.LayoutFileName), *file);
}

void FileCommands::SalvarComo_Click() {
  if (!MayEdit(state_)) {
    ShowMessage("Por favor entre com a senha correta em opções!", kProtectedTitle,
                MessageIcon::None);
    return;
  }
  const auto file = FileToSave();
  if (!file) return;
  const auto choice = dialogs_->Choose(FileDialogKind::Save, DialogStart(), &window_);
  if (!choice) return;
  state_.InitialDirectory = ToStdString(choice->directory);
  // The document takes the new name only once it is in that file.
  if (!Write(choice->path, *file)) return;
  state_.LayoutFileName = ToStdString(choice->path);
  window_.setWindowTitle(ToQString(WindowCaption(state_.LayoutFileName)));
}

void FileCommands::Opcoes_Click() {
  EnableSaving();
  if (!options_) {
    options_ = new FormOptions(state_, varno_, &window_);
    connect(options_, &FormOptions::Authorised, this, [this](int heightTwips) {
      ApplyProtectionView(window_, ProtectionView::Full, heightTwips);
    });
  }
  options_->show();
  options_->raise();
  options_->activateWindow();
}

}  // namespace lavrix
