#pragma once

#include <QButtonGroup>
#include <QGroupBox>

namespace lavrix {

// "Seleção de Tecla": the 100 PC key buttons, one selected at a time.
class PcKeyFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit PcKeyFrame(QWidget* parent);

  // Emits the key's index in PcKeyTable() on every click.
  QButtonGroup& Group() { return group_; }

 private:
  QButtonGroup group_;
};

}  // namespace lavrix
