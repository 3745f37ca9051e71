#include <QApplication>

#include "core/grava_form.h"
#include "core/library_message_boxes.h"
#include "core/varno_binding.h"
#include "keys/ui_fonts.h"

namespace {

// Varno is looked for beside the module that holds this function: the editor itself.
void EditorAnchor() {}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  lavrix::InstallFontSubstitutes();
  const lavrix::LibraryMessageBoxes messageBoxes;
  lavrix::VarnoBinding varno(reinterpret_cast<const void*>(&EditorAnchor));
  lavrix::GravaForm window(varno);
  window.Form_Load();
  window.show();
  return application.exec();
}
