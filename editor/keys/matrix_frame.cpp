#include "keys/matrix_frame.h"

#include "core/twips_qt.h"
#include "keys/key_fonts.h"
#include "keys/matrix_positions.h"
#include "keys/ui_fonts.h"

namespace lavrix {

MatrixFrame::MatrixFrame(QWidget* parent) : QGroupBox("Matriz do Teclado", parent) {
  setObjectName("Frame1");
  setGeometry(ToPixels({120, 0, 9135, 4575}));
  const QFont font = DesignFont(kSansSerifFont, kDefaultPointSize);
  for (int number : PositionButtons()) {
    auto* button = new KeyButton(QString("Option%1").arg(number), font, this);
    button->setGeometry(ToPixels(PositionButtonRect(number)));
    group_.addButton(button, number);
    buttons_.emplace(number, button);
  }
}

KeyButton* MatrixFrame::Button(int number) const {
  const auto button = buttons_.find(number);
  return button == buttons_.end() ? nullptr : button->second;
}

}  // namespace lavrix
