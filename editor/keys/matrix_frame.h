#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <map>

#include "keys/key_button.h"

namespace lavrix {

// "Matriz do Teclado": the 94 position buttons `Option`n, one selected at a time.
class MatrixFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit MatrixFrame(QWidget* parent);

  // nullptr for a number without a button.
  KeyButton* Button(int number) const;
  // Emits the button's number on every click, the selected one's included.
  QButtonGroup& Group() { return group_; }

 private:
  QButtonGroup group_;
  std::map<int, KeyButton*> buttons_;
};

}  // namespace lavrix
