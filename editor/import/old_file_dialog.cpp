#include "import/old_file_dialog.h"

#include <QFileDialog>

#include "core/qt_text.h"
#include "import/old_layout.h"

namespace lavrix {

std::optional<QString> SystemOldFileDialog::Choose(const QString& initialDirectory,
                                                   QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(ToQString(kOldLayoutFilter));
  dialog.setDefaultSuffix("bin");
  dialog.setDirectory(initialDirectory);
  dialog.selectFile(ToQString(kOldLayoutFileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace lavrix
