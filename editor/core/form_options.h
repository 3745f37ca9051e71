#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QLineEdit>

#include "core/editor_state.h"
#include "core/varno_calls.h"

namespace lavrix {

// "Opções Lavrix": password, reminder and protection level of the layout files, and the delay
// handed to Varno. Modeless; it is filled from the entered set when it loads.
class FormOptions : public QDialog {
  Q_OBJECT

 public:
  FormOptions(EditorState& state, VarnoCalls& varno, QWidget* parent);

 signals:
  // OK or Apply by an authorised user: the main window gets its full view at this height.
  void Authorised(int heightTwips);

 private:
  void Form_Load();
  void Confirm(int heightTwips);
  void cmdOK_Click();
  void cmdApply_Click();
  void Command1_Click();

  EditorState& state_;
  VarnoCalls& varno_;
  QLineEdit* password_;
  QLineEdit* reminder_;
  QLineEdit* delay_;
  QButtonGroup levels_;
};

}  // namespace lavrix
