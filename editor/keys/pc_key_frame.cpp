#include "keys/pc_key_frame.h"

#include "core/qt_text.h"
#include "core/twips_qt.h"
#include "keys/key_button.h"
#include "keys/key_fonts.h"
#include "keys/pc_key_table.h"
#include "keys/ui_fonts.h"

namespace lavrix {
namespace {

QFont KeyFont(const PcKey& key) {
  switch (key.font) {
    case PcKeyFont::Large:
      return DesignFont(kSansSerifFont, kLargePointSize);
    case PcKeyFont::Wingdings:
      return DesignFont(kWingdingsFont, kArrowPointSize);
    case PcKeyFont::Default:
      break;
  }
  return DesignFont(kSansSerifFont, kDefaultPointSize);
}

}  // namespace

PcKeyFrame::PcKeyFrame(QWidget* parent) : QGroupBox("Seleção de Tecla", parent) {
  setObjectName("Frame3");
  setGeometry(ToPixels({120, 4680, 11055, 3975}));
  const auto& keys = PcKeyTable();
  for (int index = 0; index < static_cast<int>(keys.size()); ++index) {
    const PcKey& key = keys[index];
    auto* button = new KeyButton(ToQString(key.name), KeyFont(key), this);
    button->setText(ToQString(key.caption));
    button->setGeometry(ToPixels({key.left, PcKeyTop(key), key.width, PcKeyHeight(key)}));
    group_.addButton(button, index);
  }
}

}  // namespace lavrix
