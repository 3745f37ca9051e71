#include "core/protection_view.h"

#include <QAction>
#include <QWidget>

#include "core/twips.h"

namespace lavrix {
namespace {

void ShowFrame(const QMainWindow& window, const char* name, bool shown) {
  if (auto* frame = window.findChild<QWidget*>(name)) {
    frame->setVisible(shown);
    frame->setEnabled(shown);
  }
}

// Only while page 1's item is shown, as every model shows it.
void EnablePageItems(const QMainWindow& window, bool enabled) {
  const auto* first = window.findChild<QAction*>("Paginam1");
  if (!first || !first->isVisible()) return;
  for (int page = 1; page <= 4; ++page) {
    if (auto* item = window.findChild<QAction*>(QString("Paginam%1").arg(page))) {
      item->setEnabled(enabled);
    }
  }
}

void SetClientHeight(QMainWindow& window, int heightTwips) {
  window.centralWidget()->setFixedHeight(TwipsToPixels(heightTwips));
  // The window keeps a fixed size: it follows its client area.
  window.setFixedSize(window.sizeHint());
}

}  // namespace

void ApplyProtectionView(QMainWindow& window, ProtectionView view, int heightTwips) {
  ShowFrame(window, "Frame1", view != ProtectionView::WriteOnly);
  ShowFrame(window, "Frame3", view == ProtectionView::Full);
  SetClientHeight(window, heightTwips);
  ShowFrame(window, "Frame2", view != ProtectionView::WriteOnly);
  EnablePageItems(window, view == ProtectionView::Full);
}

}  // namespace lavrix
