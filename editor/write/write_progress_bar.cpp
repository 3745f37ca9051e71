#include "write/write_progress_bar.h"

#include <cmath>

#include "write/write_plan.h"

namespace lavrix {
namespace {

// The bar counts in hundredths of the write's range.
constexpr int kStepsPerUnit = 100;

}  // namespace

WriteProgressBar::WriteProgressBar(QWidget* parent) : QProgressBar(parent) {
  setObjectName("ProgressBar1");
  setRange(0, static_cast<int>(kWriteProgressMaximum) * kStepsPerUnit);
  setValue(0);
  setTextVisible(false);
}

void WriteProgressBar::SetProgress(double value) {
  setValue(static_cast<int>(std::lround(value * kStepsPerUnit)));
}

}  // namespace lavrix
