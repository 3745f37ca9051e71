#pragma once

#include <QPushButton>

namespace lavrix {

// An option button drawn as a push button that stays pressed while selected. Its caption
// wraps over the lines the button has; an arrow character in a Wingdings font that the
// machine lacks is drawn as the arrow it stands for.
class KeyButton : public QPushButton {
  Q_OBJECT

 public:
  KeyButton(const QString& objectName, const QFont& font, QWidget* parent);

  // Caption and font name as the design gives them; the font keeps its size.
  void SetCaption(const QString& caption, const QString& fontName);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace lavrix
