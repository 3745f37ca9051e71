#include "keys/page_frame.h"

#include "core/twips_qt.h"

namespace lavrix {
namespace {

constexpr std::array<TwipsRect, kPageCount> kButtonPlaces{{
    {360, 240, 375, 255},
    {1080, 240, 375, 255},
    {360, 480, 375, 255},
    {1080, 480, 375, 255},
}};

}  // namespace

PageFrame::PageFrame(QWidget* parent) : QGroupBox("Pagina", parent) {
  setObjectName("Frame2");
  setGeometry(ToPixels({9360, 1800, 1815, 855}));
  for (int page = 1; page <= kPageCount; ++page) {
    auto* button = new QRadioButton(QString::number(page), this);
    button->setObjectName(QString("Pagina%1").arg(page));
    button->setGeometry(ToPixels(kButtonPlaces[page - 1]));
    group_.addButton(button, page);
    buttons_[page - 1] = button;
  }
}

}  // namespace lavrix
