#pragma once

#include <QProgressBar>

namespace lavrix {

// ProgressBar1: a range of 0 to 12 in fractions, as the write moves it by 0.6 or by 12/27.
class WriteProgressBar : public QProgressBar {
  Q_OBJECT

 public:
  explicit WriteProgressBar(QWidget* parent);

  // The bar shows the value to a hundredth.
  void SetProgress(double value);
};

}  // namespace lavrix
