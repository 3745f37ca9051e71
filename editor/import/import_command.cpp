#include "import/import_command.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <vector>

#include "core/qt_text.h"
#include "import/form_importar.h"
#include "import/import_layout.h"
#include "import/old_layout.h"

namespace lavrix {

ImportCommand::ImportCommand(QMainWindow& window, EditorState& state, EditorView& view,
                             std::shared_ptr<OldFileDialog> files)
    : QObject(&window),
      window_(window),
      state_(state),
      view_(view),
      files_(files ? std::move(files) : std::make_shared<SystemOldFileDialog>()) {
  if (auto* item = window_.findChild<QAction*>("Importar")) {
    connect(item, &QAction::triggered, this, &ImportCommand::Importar_Click);
  }
}

void ImportCommand::Importar_Click() {
  state_.ImportKind = kNoImportKind;
  {
    FormImportar dialog(state_, *files_, &window_);
    dialog.exec();
  }
  const std::int16_t kind = state_.ImportKind;
  if (kind == kNoImportKind) return;

  // The file is read whole before anything changes: one that is gone or has changed length
  // since it was chosen ends the import with the layout as it was.
  QFile file(ToQString(state_.ImportFileName));
  if (!file.open(QIODevice::ReadOnly)) return;
  const QByteArray content = file.readAll();
  const std::vector<std::uint8_t> bytes(content.begin(), content.end());
  const auto processEvents = [] { QCoreApplication::processEvents(); };
  if (!ApplyOldLayout(state_, view_, kind, bytes, processEvents)) return;

  // An ANSU AT layout may not be saved.
  const bool maySave = kind != kAnsuImportKind;
  for (const char* name : {"Salvar", "SalvarComo"}) {
    if (auto* item = window_.findChild<QAction*>(name)) item->setEnabled(maySave);
  }
}

}  // namespace lavrix
