#include "keys/ui_fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "core/qt_text.h"
#include "keys/key_fonts.h"

namespace lavrix {

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(ToQString(kSansSerifFont),
                             {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"});
  QFont::insertSubstitutions(ToQString(kSerifFont),
                             {"Liberation Serif", "Tinos", "Nimbus Roman", "DejaVu Serif"});
}

QFont DesignFont(std::string_view family, double pointSize) {
  QFont font(ToQString(family));
  font.setPointSizeF(pointSize);
  return font;
}

bool WingdingsInstalled() {
  // The list of installed families, not an alias that only names a fallback.
  static const bool installed =
      QFontDatabase::families().contains(ToQString(kWingdingsFont), Qt::CaseInsensitive);
  return installed;
}

}  // namespace lavrix
