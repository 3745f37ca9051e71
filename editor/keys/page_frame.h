#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <array>

#include "core/editor_state.h"

namespace lavrix {

// "Pagina": the option buttons `Pagina1` to `Pagina4`.
class PageFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit PageFrame(QWidget* parent);

  // Page 1 to 4.
  QRadioButton& Button(int page) const { return *buttons_.at(page - 1); }
  // Emits the page number on every click.
  QButtonGroup& Group() { return group_; }

 private:
  QButtonGroup group_;
  std::array<QRadioButton*, kPageCount> buttons_{};
};

}  // namespace lavrix
