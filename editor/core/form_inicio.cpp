#include "core/form_inicio.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "core/about_texts.h"

namespace lavrix {
namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect place, int pointSize,
                 bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  QFont font = label->font();
  font.setPointSize(pointSize);
  font.setBold(bold);
  label->setFont(font);
  label->setWordWrap(true);
  return label;
}

}  // namespace

FormInicio::FormInicio(const QString& pictureDirectory)
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("FormInicio");
  setAttribute(Qt::WA_QuitOnClose, false);
  setFrameStyle(QFrame::Box | QFrame::Raised);
  setLineWidth(2);
  setFixedSize(440, 200);

  auto* picture = new QLabel(this);
  picture->setObjectName("imgLogo");
  picture->setGeometry(20, 30, 150, 95);
  picture->setScaledContents(true);
  picture->setPixmap(QPixmap(QDir(pictureDirectory).filePath(kProductPicture)));

  AddLabel(this, "lblProductName", kProductName, {190, 20, 230, 44}, 26, true);
  AddLabel(this, "lblCompanyProduct", "Programa de Configuração Para Teclados", {190, 70, 230, 40},
           11);
  AddLabel(this, "lblVersion", kVersionText, {190, 112, 230, 20}, 9);
  AddLabel(this, "lblAviso", "Aguarde, o programa está sendo iniciado ...", {20, 160, 400, 20}, 9);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

}  // namespace lavrix
