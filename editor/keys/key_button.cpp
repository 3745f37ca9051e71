#include "keys/key_button.h"

#include <QFontInfo>
#include <QPainter>
#include <QPolygonF>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTransform>
#include <algorithm>
#include <optional>

#include "core/qt_text.h"
#include "keys/key_fonts.h"
#include "keys/pc_key_table.h"
#include "keys/ui_fonts.h"

namespace lavrix {
namespace {

// Degrees to turn an upward arrow.
std::optional<double> ArrowTurn(const QString& caption, const QString& fontName) {
  if (fontName.compare(ToQString(kWingdingsFont), Qt::CaseInsensitive) != 0) return std::nullopt;
  if (caption == ToQString(kArrowUpCaption)) return 0.0;
  if (caption == ToQString(kArrowRightCaption)) return 90.0;
  if (caption == ToQString(kArrowDownCaption)) return 180.0;
  if (caption == ToQString(kArrowLeftCaption)) return 270.0;
  return std::nullopt;
}

// "&&" shows one "&"; a single "&" only marks the access key.
QString WithoutAccessMarks(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

void DrawArrow(QPainter& painter, const QRect& area, double turn, const QColor& color) {
  static const QPolygonF kUpArrow{{0.0, -0.5},  {0.45, 0.0},  {0.17, 0.0}, {0.17, 0.5},
                                  {-0.17, 0.5}, {-0.17, 0.0}, {-0.45, 0.0}};
  const double side = std::min(
      {double(area.width()), double(area.height()), QFontInfo(painter.font()).pixelSize() * 1.1});
  QTransform transform;
  transform.translate(area.center().x() + 0.5, area.center().y() + 0.5);
  transform.rotate(turn);
  transform.scale(side, side);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  painter.drawPolygon(transform.map(kUpArrow));
  painter.restore();
}

}  // namespace

KeyButton::KeyButton(const QString& objectName, const QFont& font, QWidget* parent)
    : QPushButton(parent) {
  setObjectName(objectName);
  setFont(font);
  setCheckable(true);
}

void KeyButton::SetCaption(const QString& caption, const QString& fontName) {
  QFont named = font();
  named.setFamily(fontName);
  setFont(named);
  setText(caption);
}

void KeyButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  const auto turn = ArrowTurn(text(), font().family());
  if (turn && !WingdingsInstalled()) {
    const auto role = isEnabled() ? QPalette::Active : QPalette::Disabled;
    DrawArrow(painter, area, *turn, palette().color(role, QPalette::ButtonText));
    return;
  }
  painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                       WithoutAccessMarks(text()), QPalette::ButtonText);
}

}  // namespace lavrix
