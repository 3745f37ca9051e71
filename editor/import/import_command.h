#pragma once

#include <QMainWindow>
#include <QObject>
#include <memory>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "import/old_file_dialog.h"

namespace lavrix {

// The "&Importar" command: an old layout file read into the current layout.
class ImportCommand : public QObject {
  Q_OBJECT

 public:
  // Connects itself to the menu item `Importar`.
  ImportCommand(QMainWindow& window, EditorState& state, EditorView& view,
                std::shared_ptr<OldFileDialog> files);

  void Importar_Click();

 private:
  QMainWindow& window_;
  EditorState& state_;
  EditorView& view_;
  std::shared_ptr<OldFileDialog> files_;
};

}  // namespace lavrix
