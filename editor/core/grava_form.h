#pragma once

#include <QCheckBox>
#include <QMainWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/file_commands.h"
#include "core/file_dialogs.h"
#include "core/form_sobre.h"
#include "core/main_menu.h"
#include "core/model_frame.h"
#include "core/varno_calls.h"
#include "import/old_file_dialog.h"
#include "keys/matrix_frame.h"
#include "keys/page_frame.h"
#include "keys/pc_key_frame.h"
#include "write/write_keyboard.h"
#include "write/write_progress_bar.h"

namespace lavrix {

struct GravaFormOptions {
  // How long the splash window stays up at start.
  int splashMilliseconds = 3000;
  // Where the pictures lie; InitialDirectory starts here too. Empty: the program's directory.
  QString programDirectory;
  // The open and save dialogs of the layout files. Empty: the dialogs the user sees.
  std::shared_ptr<FileDialogs> fileDialogs = nullptr;
  // The open dialog of the old layout files. Empty: the dialog the user sees.
  std::shared_ptr<OldFileDialog> oldFileDialog = nullptr;
};

// The main window: it owns the editor state, forwards each click to the editor's commands and
// shows what they change.
class GravaForm : public QMainWindow, private EditorView {
  Q_OBJECT

 public:
  explicit GravaForm(VarnoCalls& varno, GravaFormOptions options = {});

  // Start-up: the splash window, the defaults, model 0, the wait, and Varno opened.
  void Form_Load();

  EditorState& State() { return state_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void InitializeEditor();
  void FinishSplashWait();
  void ConnectCommands();

  void Timer1_Timer();
  void Sair_Click();
  void SobreLX_Click();

  // EditorView
  void SetPositionCaption(int button, std::string_view caption, std::string_view fontName) override;
  void ShowPositionButton(int button, bool shown) override;
  void SelectPositionButton(int button) override;
  void SetModelLabel(std::string_view text) override;
  void ShowModelPicture(std::string_view fileName) override;
  void EnableWriteButton(bool enabled) override;
  void CheckModelMenuItem(std::string_view item, bool checked) override;
  bool IsPageButtonSelected(int page) const override;
  void SelectPageButton(int page) override;
  void FocusPageButton(int page) override;
  void CheckPageMenuItem(int page, bool checked) override;
  void ShowPage(int page, bool shown) override;
  void ShowLastLineBox(bool shown) override;
  bool IsLastLineBoxChecked() const override;
  void SetLastLineBoxChecked(bool checked) override;

  VarnoCalls& varno_;
  GravaFormOptions options_;
  EditorState state_;

  MatrixFrame* matrix_;
  ModelFrame* model_;
  PageFrame* pages_;
  QCheckBox* lastLine_;
  WriteProgressBar* progress_;
  QPushButton* write_;
  PcKeyFrame* keys_;
  MainMenu menu_;
  QTimer* timer1_;
  QPointer<FormSobre> sobre_;
  FileCommands* files_;
  std::optional<KeyboardWriter> writer_;  // set up once the progress bar exists
};

}  // namespace lavrix
