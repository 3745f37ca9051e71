#include "core/file_dialogs.h"

namespace lavrix {

void SetUpLayoutDialog(QFileDialog& dialog, FileDialogKind kind, const FileDialogStart& start) {
  const bool save = kind == FileDialogKind::Save;
  dialog.setWindowTitle(save ? "Salvar como" : "Abrir");
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setNameFilter("Layout Teclados Velmar (*.vly)");
  dialog.setDefaultSuffix("vly");
  dialog.setDirectory(start.initialDirectory);
  dialog.selectFile(start.fileName);
}

std::optional<FileDialogChoice> LayoutFileDialogs::Choose(FileDialogKind kind,
                                                          const FileDialogStart& start,
                                                          QWidget* parent) {
  QFileDialog dialog(parent);
  SetUpLayoutDialog(dialog, kind, start);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FileDialogChoice{dialog.selectedFiles().constFirst(), dialog.directory().absolutePath()};
}

}  // namespace lavrix
