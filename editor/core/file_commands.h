#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/file_dialogs.h"
#include "core/form_options.h"
#include "core/layout_file.h"
#include "core/varno_calls.h"

namespace lavrix {

// The layout file commands of the "&Arquivo" menu (New, Open, Save, Save As) and its
// "&Opções", which guards the files.
class FileCommands : public QObject {
  Q_OBJECT

 public:
  // Connects itself to the menu items `MNovo`, `Abrir`, `Salvar`, `SalvarComo` and `Opcoes`.
  FileCommands(QMainWindow& window, EditorState& state, EditorView& view, VarnoCalls& varno,
               std::shared_ptr<FileDialogs> dialogs);

  void MNovo_Click();
  void Abrir_Click();
  void Salvar_Click();
  void SalvarComo_Click();
  void Opcoes_Click();

 private:
  void EnableSaving();
  // The file Save writes, or nullopt after telling the user why it cannot be written.
  std::optional<LayoutFile> FileToSave();
  bool Write(const QString& path, const LayoutFile& file);
  FileDialogStart DialogStart() const;

  QMainWindow& window_;
  EditorState& state_;
  EditorView& view_;
  VarnoCalls& varno_;
  std::shared_ptr<FileDialogs> dialogs_;
  QPointer<FormOptions> options_;
};

}  // namespace lavrix
