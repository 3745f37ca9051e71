#pragma once

#include <QDialog>

#include "core/editor_state.h"
#include "import/old_file_dialog.h"
#include "import/old_layout.h"

namespace lavrix {

// The import dialog: one button per old model, each asking for a file of its length. A file
// that fits sets ImportKind and ImportFileName and closes the dialog.
class FormImportar : public QDialog {
  Q_OBJECT

 public:
  FormImportar(EditorState& state, OldFileDialog& files, QWidget* parent);

 private:
  void Command_Click(const OldLayoutButton& row);

  EditorState& state_;
  OldFileDialog& files_;
};

}  // namespace lavrix
